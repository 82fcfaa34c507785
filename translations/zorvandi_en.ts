<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="tr">
<context>
    <name>Calculation</name>
    <message>
        <source>Listedeki dişlileri sıarasıyla buraya yazın!</source>
        <translation>Type the gears of the list here, one after another!</translation>
    </message>
    <message>
        <source>bu dişli listede yok</source>
        <translation>this gear is not in the list</translation>
    </message>
    <message>
        <source>Azdırma bıçağının üzerinde yazan açıyı girin !</source>
        <translation>Enter the angle marked on the hob!</translation>
    </message>
    <message>
        <source>Modül için 1.5,3, 4.5 veya 6 girin </source>
        <translation>Enter 1.5, 3, 4.5 or 6 as the module</translation>
    </message>
    <message>
        <source>Diş sayısı için sayı girin.</source>
        <translation>Enter a number for the tooth count.</translation>
    </message>
    <message>
        <source>Vidanın diş üstü çapı için sayı girin.</source>
        <translation>Enter a number for the worm&apos;s tip diameter.</translation>
    </message>
    <message>
        <source>Giriş deviri için sayı girin.</source>
        <translation>Enter a number for the input speed.</translation>
    </message>
    <message>
        <source>Bu iş yapılamaz: %1</source>
        <translation>No shop can make this job: %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Gövdeler (a, mm): %1</source>
        <translation>Housings (a, mm): %1</translation>
    </message>
    <message>
        <source>Oranlar (i): %1</source>
        <translation>Ratios (i): %1</translation>
    </message>
    <message>
        <source>Giriş devirleri (d/dk): %1</source>
        <translation>Input speeds (rpm): %1</translation>
    </message>
    <message>
        <source>Döküm: %1; işletme katsayısı %2</source>
        <translation>Casting: %1; service factor %2</translation>
    </message>
    <message>
        <source>Ortam %1 °C, vida milinde fan; yağ sınırı %2 °C (atölyenin ayarı, bir standardın değil)</source>
        <translation>Ambient %1 °C, a fan on the worm shaft; oil limit %2 °C (the shop&apos;s setting, not a standard&apos;s figure)</translation>
    </message>
    <message>
        <source>Ortam %1 °C, fansız; yağ sınırı %2 °C (atölyenin ayarı, bir standardın değil)</source>
        <translation>Ambient %1 °C, no fan; oil limit %2 °C (the shop&apos;s setting, not a standard&apos;s figure)</translation>
    </message>
    <message>
        <source>m %1, z1 %2, Z2 %3, d1 %4, x2 %5</source>
        <translation>m %1, z1 %2, Z2 %3, d1 %4, x2 %5</translation>
    </message>
    <message>
        <source>ısıl</source>
        <translation>thermal</translation>
    </message>
    <message>
        <source>atölyenin azdırmaları</source>
        <translation>the shop&apos;s hobs</translation>
    </message>
    <message>
        <source>standart vidalar (%1)</source>
        <translation>standard worms (%1)</translation>
    </message>
    <message>
        <source>yeni vida çapı</source>
        <translation>a new worm diameter</translation>
    </message>
    <message>
        <source>SONSUZ VİDA REDÜKTÖRLERİ KATALOĞU</source>
        <translation>WORM GEAR REDUCER CATALOGUE</translation>
    </message>
    <message>
        <source>a (mm)</source>
        <translation>a (mm)</translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <source>Tahrik</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>n2 (d/dk)</source>
        <translation>n2 (rpm)</translation>
    </message>
    <message>
        <source>η (%)</source>
        <translation>η (%)</translation>
    </message>
    <message>
        <source>T2 (N·m)</source>
        <translation>T2 (N·m)</translation>
    </message>
    <message>
        <source>P1 (kW)</source>
        <translation>P1 (kW)</translation>
    </message>
    <message>
        <source>P1,th (kW)</source>
        <translation>P1,th (kW)</translation>
    </message>
    <message>
        <source>Sınırlayan</source>
        <translation>Governed by</translation>
    </message>
    <message>
        <source>N1 = %1 d/dk</source>
        <translation>N1 = %1 rpm</translation>
    </message>
    <message>
        <source>a %1, i %2: %3</source>
        <translation>a %1, i %2: %3</translation>
    </message>
    <message>
        <source>Tahrik forma yazılıp hesaplandığında ölçüleri çıkmadı.</source>
        <translation>Typed into a form and calculated, the drive gave no sizes.</translation>
    </message>
    <message>
        <source>Bu devirde AGMA yöntemi bir çıkış momenti vermiyor.</source>
        <translation>At this speed the AGMA method gives no output torque.</translation>
    </message>
    <message>
        <source>Bu devirde verim sıfırın üstünde değil: vida dişliyi döndüremez.</source>
        <translation>At this speed the efficiency is not above zero: the worm cannot turn the wheel.</translation>
    </message>
    <message>
        <source>Bu devirde güçler hesaplanamadı.</source>
        <translation>At this speed the powers could not be calculated.</translation>
    </message>
    <message>
        <source>%1 noktalı virgülle ayrılmış, sıfırdan büyük ve en çok %2 mm sayılar olmalı.</source>
        <translation>%1 must be numbers above zero and at most %2 mm, separated by semicolons.</translation>
    </message>
    <message>
        <source>%1 noktalı virgülle ayrılmış, %2 ile %3 arasında sayılar olmalı.</source>
        <translation>%1 must be numbers from %2 to %3, separated by semicolons.</translation>
    </message>
    <message>
        <source>%1 noktalı virgülle ayrılmış, sıfırdan büyük ve en çok %2 d/dk sayılar olmalı.</source>
        <translation>%1 must be numbers above zero and at most %2 rpm, separated by semicolons.</translation>
    </message>
    <message>
        <source>%1 %2 ile %3 derece arasında olmalı.</source>
        <translation>%1 must be from %2 to %3 degrees.</translation>
    </message>
    <message>
        <source>%1 %2 ile %3 arasında olmalı.</source>
        <translation>%1 must be from %2 to %3.</translation>
    </message>
    <message>
        <source>%1 en az %2, en çok %3 olmalı.</source>
        <translation>%1 must be at least %2 and at most %3.</translation>
    </message>
    <message>
        <source>%1 %2 ile %3 °C arasında olmalı.</source>
        <translation>%1 must be from %2 to %3 °C.</translation>
    </message>
    <message>
        <source>%1 %2 ile %3 °C arasında ve ortamın üstünde olmalı.</source>
        <translation>%1 must be from %2 to %3 °C and above the ambient.</translation>
    </message>
    <message>
        <source>Z2 ÷ z1</source>
        <translation>Z2 ÷ z1</translation>
    </message>
    <message>
        <source>Vida: %1; oran toleransı %2; profil açısı α = %3°</source>
        <translation>Worm: %1; ratio tolerance %2; profile angle α = %3°</translation>
    </message>
    <message numerus="yes">
        <source>Sığan %n tahrikin hepsi bir yapım kuralına uymuyor. İlki: %1</source>
        <translation>
            <numerusform>The %n drive that fits breaks a rule of making: %1</numerusform>
            <numerusform>All %n drives that fit break a rule of making. The first: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Her gövde ve oran için, kurallara (AGMA&apos;nın vida çapı aralığı dahil) uyan tasarımlardan ilk devirde en büyük çıkış momentini taşıyan seçildi (eşitlikte tasarımın sırası); her devirde aynı tahrik. T2, yüzey dayanımı, diş eğilmesi, vida mili sehimi ve ısıl sınırın en küçüğüdür.</source>
        <translation>For each housing and ratio, of the designs that keep the rules (AGMA&apos;s worm diameter range included), the one carrying the highest output torque at the first speed was chosen (on a tie, the design&apos;s order); the same drive at every speed. T2 is the least of surface durability, tooth bending, worm shaft deflection and the thermal limit.</translation>
    </message>
    <message>
        <source>yüzey</source>
        <translation>surface</translation>
    </message>
    <message>
        <source>eğilme</source>
        <translation>bending</translation>
    </message>
    <message>
        <source>sehim</source>
        <translation>deflection</translation>
    </message>
    <message>
        <source>T2 mekanik (N·m)</source>
        <translation>T2 mechanical (N·m)</translation>
    </message>
</context>
<context>
    <name>CatalogueWindow</name>
    <message>
        <source>Katalog</source>
        <translation>Catalogue</translation>
    </message>
    <message>
        <source>ORANLAR (i)</source>
        <translation>RATIOS (i)</translation>
    </message>
    <message>
        <source>VİDA</source>
        <translation>WORM</translation>
    </message>
    <message>
        <source>DÖKÜM</source>
        <translation>CASTING</translation>
    </message>
    <message>
        <source>İŞLETME KATSAYISI</source>
        <translation>SERVICE FACTOR</translation>
    </message>
    <message>
        <source>ORTAM (°C)</source>
        <translation>AMBIENT (°C)</translation>
    </message>
    <message>
        <source>Vida milinde fan</source>
        <translation>A fan on the worm shaft</translation>
    </message>
    <message>
        <source>Yazdır…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Önizleme…</source>
        <translation>Preview…</translation>
    </message>
    <message>
        <source>PDF Olarak Kaydet…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>GÖVDELER</source>
        <translation>HOUSINGS</translation>
    </message>
    <message>
        <source>ORANLAR</source>
        <translation>RATIOS</translation>
    </message>
    <message>
        <source>GİRİŞ DEVİRLERİ</source>
        <translation>INPUT SPEEDS</translation>
    </message>
    <message>
        <source>ORAN TOLERANSI</source>
        <translation>RATIO TOLERANCE</translation>
    </message>
    <message>
        <source>ORTAM</source>
        <translation>AMBIENT</translation>
    </message>
    <message>
        <source>YAĞ SINIRI</source>
        <translation>OIL LIMIT</translation>
    </message>
    <message>
        <source>%1 @ %2</source>
        <translation>%1 @ %2</translation>
    </message>
    <message>
        <source>Kopyala</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>GÖVDELER (a, mm)</source>
        <translation>HOUSINGS (a, mm)</translation>
    </message>
    <message>
        <source>DEVİRLER (N1, d/dk)</source>
        <translation>SPEEDS (N1, rpm)</translation>
    </message>
    <message>
        <source>TOLERANS (%)</source>
        <translation>TOLERANCE (%)</translation>
    </message>
    <message>
        <source>PROFİL AÇISI (α, °)</source>
        <translation>PROFILE ANGLE (α, °)</translation>
    </message>
    <message>
        <source>YAĞ SINIRI (°C)</source>
        <translation>OIL LIMIT (°C)</translation>
    </message>
    <message>
        <source>Gövdelerin eksen mesafeleri, mm, noktalı virgülle ayrılmış.</source>
        <translation>The housings&apos; centre distances, mm, separated by semicolons.</translation>
    </message>
    <message>
        <source>Anma oranları, noktalı virgülle ayrılmış.</source>
        <translation>The nominal ratios, separated by semicolons.</translation>
    </message>
    <message>
        <source>Giriş devirleri, d/dk, noktalı virgülle ayrılmış; ilki tahriki seçer.</source>
        <translation>The input speeds, rpm, separated by semicolons; the first chooses the drive.</translation>
    </message>
    <message>
        <source>Tahriklerin vidaları.</source>
        <translation>The drives&apos; worms.</translation>
    </message>
    <message>
        <source>Oranın anma değerinden en çok sapması, %.</source>
        <translation>The most the ratio may miss the nominal one by, %.</translation>
    </message>
    <message>
        <source>Dişlinin bronzunun dökümü.</source>
        <translation>How the wheel&apos;s bronze is cast.</translation>
    </message>
    <message>
        <source>Vidanın profil açısı α, derece: verim ve ısıl güç onunla hesaplanır.</source>
        <translation>The worm&apos;s profile angle α, degrees: the efficiency and the thermal power are worked from it.</translation>
    </message>
    <message>
        <source>İşletme katsayısı: taşınan moment AGMA değerinin buna bölümüdür.</source>
        <translation>The service factor: the torque carried is the AGMA rating divided by it.</translation>
    </message>
    <message>
        <source>Ortam sıcaklığı, °C.</source>
        <translation>The ambient temperature, °C.</translation>
    </message>
    <message>
        <source>Yağın en yüksek sıcaklığı, °C: atölyenin ayarı, bir standardın değil.</source>
        <translation>The highest oil temperature, °C: the shop&apos;s setting, not a standard&apos;s figure.</translation>
    </message>
    <message>
        <source>PROFİL AÇISI</source>
        <translation>PROFILE ANGLE</translation>
    </message>
    <message>
        <source>Katalogdan: a %1 mm, i %2</source>
        <translation>From the catalogue: a %1 mm, i %2</translation>
    </message>
    <message>
        <source>MOTORLAR (kW)</source>
        <translation>MOTORS (kW)</translation>
    </message>
    <message>
        <source>EN AZ fs</source>
        <translation>LEAST fs</translation>
    </message>
    <message>
        <source>TABLO</source>
        <translation>TABLE</translation>
    </message>
    <message>
        <source>Seçim tablosunun listelediği en küçük işletme faktörü fs = taşınan moment ÷ M2.</source>
        <translation>The least service factor the selection table lists, fs = the torque carried ÷ M2.</translation>
    </message>
    <message>
        <source>Tablonun düzeni: taşıma tablosu, motora göre seçim ya da gövde başına bir sayfa.</source>
        <translation>The table&apos;s layout: the rating table, the selection by motor, or a page per housing.</translation>
    </message>
    <message>
        <source>Taşıma tablosu</source>
        <translation>Rating table</translation>
    </message>
    <message>
        <source>Motora göre seçim</source>
        <translation>Selection by motor</translation>
    </message>
    <message>
        <source>Gövde sayfaları</source>
        <translation>Page per housing</translation>
    </message>
    <message>
        <source>Sayfa</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Seçim tablosunun motorlarının güçleri, kW, noktalı virgülle ayrılmış.</source>
        <translation>The powers of the selection table&apos;s motors, kW, separated by semicolons.</translation>
    </message>
    <message>
        <source>Motorların kutup sayısı, devirleriyle.</source>
        <translation>The motors&apos; number of poles, with their speeds.</translation>
    </message>
    <message>
        <source>%1 kutup, %2 d/dk</source>
        <translation>%1 poles, %2 rpm</translation>
    </message>
    <message>
        <source>KUTUP</source>
        <translation>POLES</translation>
    </message>
    <message>
        <source>«MOTORLAR»</source>
        <translation>«MOTORS»</translation>
    </message>
    <message>
        <source>«EN AZ fs»</source>
        <translation>«LEAST fs»</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>GB/T 10085-1988, Tablo 1 (m ve d1)</source>
        <translation>GB/T 10085-1988, Table 1 (m and d1)</translation>
    </message>
    <message>
        <source>Hiçbir tahrik sığmıyor: standart vidalar tablosunda (%1) bu modüllerde vida yok.</source>
        <translation>No drive fits: the table of standard worms (%1) has no worm of these modules.</translation>
    </message>
    <message numerus="yes">
        <source>Hiçbir tahrik sığmıyor: en çok oran toleransı eledi (%n tahrik). En yakını m %1, z1 %2, Z2 %3: oran hatası %4, toleransı %5 puan aşıyor.</source>
        <translation>
            <numerusform>No drive fits: the ratio tolerance excluded the most (%n drive). The nearest is m %1, z1 %2, Z2 %3: a ratio error of %4, %5 points beyond the tolerance.</numerusform>
            <numerusform>No drive fits: the ratio tolerance excluded the most (%n drives). The nearest is m %1, z1 %2, Z2 %3: a ratio error of %4, %5 points beyond the tolerance.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hiçbir tahrik sığmıyor: en çok q aralığı eledi (%n tahrik). En yakını m %1, z1 %2, Z2 %3: q = %4, aralığın %5 dışında.</source>
        <translation>
            <numerusform>No drive fits: the q range excluded the most (%n drive). The nearest is m %1, z1 %2, Z2 %3: q = %4, %5 outside the range.</numerusform>
            <numerusform>No drive fits: the q range excluded the most (%n drives). The nearest is m %1, z1 %2, Z2 %3: q = %4, %5 outside the range.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hiçbir tahrik sığmıyor: en çok modül listesi eledi; listede olmayan modüllerle %n tahrik sığardı. En yakını m %1, z1 %2, Z2 %3.</source>
        <translation>
            <numerusform>No drive fits: the list of modules excluded the most; with modules not on it %n drive would fit. The nearest is m %1, z1 %2, Z2 %3.</numerusform>
            <numerusform>No drive fits: the list of modules excluded the most; with modules not on it %n drives would fit. The nearest is m %1, z1 %2, Z2 %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hiçbir tahrik sığmıyor: en çok x2 aralığı eledi (%n tahrik). En yakını m %1, z1 %2, Z2 %3, d1 %4 mm: x2 = %5, aralığın %6 dışında.</source>
        <translation>
            <numerusform>No drive fits: the x2 range excluded the most (%n drive). The nearest is m %1, z1 %2, Z2 %3, d1 %4 mm: x2 = %5, %6 outside the range.</numerusform>
            <numerusform>No drive fits: the x2 range excluded the most (%n drives). The nearest is m %1, z1 %2, Z2 %3, d1 %4 mm: x2 = %5, %6 outside the range.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hiçbir tahrik sığmıyor.</source>
        <translation>No drive fits.</translation>
    </message>
    <message>
        <source>Hiçbir tahrik sığmıyor: gövde bu oran için küçük; dişli tek başına eksen mesafesini dolduruyor. En yakını m %1, z1 %2, Z2 %3: vidaya d1 = %4 mm kalıyor.</source>
        <translation>No drive fits: the housing is too small for this ratio; the wheel alone fills the centre distance. The nearest is m %1, z1 %2, Z2 %3: the worm is left d1 = %4 mm.</translation>
    </message>
    <message>
        <source>Hiçbir tahrik sığmıyor: atölyenin azdırmaları istendi, ama atölyenin bu modül ve ağız sayılarında azdırması yok. Azdırmalar Araçlar → Tezgâhlar… → Azdırmalar sekmesinde eklenir.</source>
        <translation>No drive fits: the shop&apos;s hobs were asked for, but the shop has no hob of these modules and starts. Hobs are added under Tools → Machines… → Hobs.</translation>
    </message>
</context>
<context>
    <name>DesignWindow</name>
    <message>
        <source>Gövdeden Tasarım</source>
        <translation>Design from a Housing</translation>
    </message>
    <message>
        <source>ORAN (i)</source>
        <translation>RATIO (i)</translation>
    </message>
    <message>
        <source>ÇIKIŞ DEVRİ (N2, d/dk)</source>
        <translation>OUTPUT SPEED (N2, rpm)</translation>
    </message>
    <message>
        <source>EKSEN MESAFESİ (a, mm)</source>
        <translation>CENTRE DISTANCE (a, mm)</translation>
    </message>
    <message>
        <source>GİRİŞ DEVRİ (N1, d/dk; boşsa verim yok)</source>
        <translation>INPUT SPEED (N1, rpm; empty: no efficiency)</translation>
    </message>
    <message>
        <source>ORAN TOLERANSI (%)</source>
        <translation>RATIO TOLERANCE (%)</translation>
    </message>
    <message>
        <source>VİDA AĞIZ SAYILARI (z1)</source>
        <translation>WORM STARTS (z1)</translation>
    </message>
    <message>
        <source>MODÜLLER (mm; noktalı virgülle)</source>
        <translation>MODULES (mm; separated by semicolons)</translation>
    </message>
    <message>
        <source>ÇAP ORANI q = d1 ÷ m (en az, en çok)</source>
        <translation>DIAMETER QUOTIENT q = d1 ÷ m (lowest, highest)</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>z1</source>
        <translation>z1</translation>
    </message>
    <message>
        <source>Z2</source>
        <translation>Z2</translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <source>Oran hatası (%)</source>
        <translation>Ratio error (%)</translation>
    </message>
    <message>
        <source>d1 (mm)</source>
        <translation>d1 (mm)</translation>
    </message>
    <message>
        <source>da1 (mm)</source>
        <translation>da1 (mm)</translation>
    </message>
    <message>
        <source>q</source>
        <translation>q</translation>
    </message>
    <message>
        <source>γ</source>
        <translation>γ</translation>
    </message>
    <message>
        <source>Z2 ile z1</source>
        <translation>Z2 and z1</translation>
    </message>
    <message>
        <source>Verim η (%)</source>
        <translation>Efficiency η (%)</translation>
    </message>
    <message>
        <source>Tornacı uyarıları</source>
        <translation>Turner&apos;s warnings</translation>
    </message>
    <message>
        <source>Azdırma</source>
        <translation>Hob</translation>
    </message>
    <message>
        <source>&amp;Kullan</source>
        <translation>&amp;Use</translation>
    </message>
    <message>
        <source>Eksen mesafesi a için bir sayı girin.</source>
        <translation>Enter a number for the centre distance a.</translation>
    </message>
    <message>
        <source>Giriş devri N1 için bir sayı girin ya da boş bırakın.</source>
        <translation>Enter a number for the input speed N1, or leave it empty.</translation>
    </message>
    <message>
        <source>Oran devirlerden bulunsun diye giriş devri N1&apos;i girin.</source>
        <translation>Enter the input speed N1 so that the ratio follows from the speeds.</translation>
    </message>
    <message>
        <source>Çıkış devri N2 için sıfırdan büyük bir sayı girin.</source>
        <translation>Enter a number above zero for the output speed N2.</translation>
    </message>
    <message>
        <source>Oran i için bir sayı girin.</source>
        <translation>Enter a number for the ratio i.</translation>
    </message>
    <message>
        <source>Oran toleransı için bir sayı girin.</source>
        <translation>Enter a number for the ratio tolerance.</translation>
    </message>
    <message>
        <source>«%1» bir modül olarak okunmuyor.</source>
        <translation>«%1» does not read as a module.</translation>
    </message>
    <message>
        <source>q aralığının iki ucu için birer sayı girin.</source>
        <translation>Enter a number for each end of the q range.</translation>
    </message>
    <message>
        <source>Eksen mesafesi a sıfırdan büyük, en çok %1 mm olmalı.</source>
        <translation>The centre distance a must be above zero and at most %1 mm.</translation>
    </message>
    <message>
        <source>Oran i en az %1, en çok %2 olmalı.</source>
        <translation>The ratio i must be at least %1 and at most %2.</translation>
    </message>
    <message>
        <source>En az bir vida ağız sayısı seçin.</source>
        <translation>Choose at least one number of worm starts.</translation>
    </message>
    <message>
        <source>Her modül %1 ile %2 mm arasında olmalı; en az bir modül girin.</source>
        <translation>Each module must be from %1 to %2 mm; enter at least one module.</translation>
    </message>
    <message>
        <source>q aralığı sıfırdan büyük, en çok %1 olmalı ve ilk ucu ikincisini aşmamalı.</source>
        <translation>The q range must be above zero and at most %1, its first end not above its second.</translation>
    </message>
    <message>
        <source>Giriş devri N1 0 ile %1 d/dk arasında olmalı.</source>
        <translation>The input speed N1 must be from 0 to %1 rpm.</translation>
    </message>
    <message>
        <source>aralarında asal</source>
        <translation>coprime</translation>
    </message>
    <message>
        <source>ortak bölen %1</source>
        <translation>common factor %1</translation>
    </message>
    <message numerus="yes">
        <source>%n uyarı</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tahrik sığıyor.</source>
        <translation>
            <numerusform>%n drive fits.</numerusform>
            <numerusform>%n drives fit.</numerusform>
        </translation>
    </message>
    <message>
        <source>Yanındaki alanın oran mı, çıkış devri mi olduğunu seçer.</source>
        <translation>Chooses whether the field beside it is the ratio or the output speed.</translation>
    </message>
    <message>
        <source>q aralığının alt ucu</source>
        <translation>lower end of the q range</translation>
    </message>
    <message>
        <source>q aralığının üst ucu</source>
        <translation>upper end of the q range</translation>
    </message>
    <message>
        <source>Oran toleransı %1 ile %2 arasında olmalı.</source>
        <translation>The ratio tolerance must be from %1 to %2.</translation>
    </message>
    <message>
        <source>EKSEN MESAFESİ</source>
        <translation>CENTRE DISTANCE</translation>
    </message>
    <message>
        <source>GİRİŞ DEVRİ</source>
        <translation>INPUT SPEED</translation>
    </message>
    <message>
        <source>ORAN TOLERANSI</source>
        <translation>RATIO TOLERANCE</translation>
    </message>
    <message>
        <source>MODÜLLER</source>
        <translation>MODULES</translation>
    </message>
    <message>
        <source>ÇAP ORANI q</source>
        <translation>DIAMETER QUOTIENT q</translation>
    </message>
    <message>
        <source>x2 aralığının alt ucu</source>
        <translation>lower end of the x2 range</translation>
    </message>
    <message>
        <source>x2 aralığının üst ucu</source>
        <translation>upper end of the x2 range</translation>
    </message>
    <message>
        <source>Atölyenin azdırmaları</source>
        <translation>The shop&apos;s hobs</translation>
    </message>
    <message>
        <source>Standart vidalar (%1)</source>
        <translation>Standard worms (%1)</translation>
    </message>
    <message>
        <source>Yeni vida çapı</source>
        <translation>A new worm diameter</translation>
    </message>
    <message>
        <source>VİDA</source>
        <translation>WORM</translation>
    </message>
    <message>
        <source>PROFİL KAYDIRMA x2 (en az, en çok)</source>
        <translation>PROFILE SHIFT x2 (lowest, highest)</translation>
    </message>
    <message>
        <source>Kurallara uymayanları da göster</source>
        <translation>Show the drives that break a rule too</translation>
    </message>
    <message>
        <source>x2</source>
        <translation>x2</translation>
    </message>
    <message>
        <source>Kurallar</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>PROFİL KAYDIRMA x2</source>
        <translation>PROFILE SHIFT x2</translation>
    </message>
    <message>
        <source>x2 aralığının iki ucu için birer sayı girin.</source>
        <translation>Enter a number for each end of the x2 range.</translation>
    </message>
    <message>
        <source>x2 aralığının uçları %1 ile %2 arasında olmalı ve ilk ucu ikincisini aşmamalı.</source>
        <translation>The ends of the x2 range must be from %1 to %2, its first end not above its second.</translation>
    </message>
    <message numerus="yes">
        <source>Kurallara uymayan %n tahrik gizli.</source>
        <translation>
            <numerusform>%n drive that breaks a rule is hidden.</numerusform>
            <numerusform>%n drives that break a rule are hidden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bu tahrik için atölyede azdırma yok: AÇI boş bırakıldı; kullanılacak azdırmanın üzerindeki açıyı yazın.</source>
        <translation>The shop has no hob for this drive: AÇI was left empty; type the angle marked on the hob to be used.</translation>
    </message>
    <message>
        <source>GB/T 10085-2018 bu mesafeyi parantez içinde verir: olabildiğince kaçının.</source>
        <translation>GB/T 10085-2018 gives this distance in brackets: avoid it where you can.</translation>
    </message>
    <message>
        <source>Taşınabilen T2 (N·m)</source>
        <translation>Rated T2 (N·m)</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>İşaret: %1</source>
        <translation>Mark: %1</translation>
    </message>
    <message>
        <source>Yüzey dayanımı ve vida mili sehiminin küçüğü, N1&apos;de: kum döküm dişli, sertleştirilmiş vida, yatak aralığı 2,5 × L.</source>
        <translation>The lesser of surface durability and worm shaft deflection, at N1: sand-cast wheel, hardened worm, bearing span 2.5 × L.</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>%1 mı</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 mu</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 mü</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 mi</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 alanındaki «%2» iki türlü okunabilir: %3 %4? Ondalık ayırıcı olarak virgül yazın, binlik ayırıcı yazmayın.</source>
        <translation>«%2» in %1 can be read two ways: %3 or %4? Write the decimal separator as a comma, and no thousands separator.</translation>
    </message>
    <message>
        <source>%1 alanındaki değer bir sayı değil.</source>
        <translation>The value in %1 is not a number.</translation>
    </message>
    <message>
        <source>%1 hesaplanamadı: sıfıra bölme</source>
        <translation>%1 could not be calculated: division by zero</translation>
    </message>
    <message>
        <source>%1 hesaplanamadı: tanımsız işlem</source>
        <translation>%1 could not be calculated: undefined operation</translation>
    </message>
    <message>
        <source>%1 hesaplanamadı: sonuç çok büyük</source>
        <translation>%1 could not be calculated: the result is too large</translation>
    </message>
    <message>
        <source>%1 geçerli bir açı değil: dakika 60&apos;tan küçük olmalı.</source>
        <translation>%1 is not a valid angle: the minutes must be less than 60.</translation>
    </message>
    <message>
        <source>%1 1 veya daha büyük bir tam sayı olmalı.</source>
        <translation>%1 must be a whole number of 1 or more.</translation>
    </message>
    <message>
        <source>Vida ağız sayısı için 1 ile 6 arasında bir tam sayı girin.</source>
        <translation>Enter a whole number from 1 to 6 for the worm&apos;s starts.</translation>
    </message>
    <message>
        <source>%1 sıfırdan büyük olmalı.</source>
        <translation>%1 must be above zero.</translation>
    </message>
    <message>
        <source>%1 sıfırdan küçük olamaz.</source>
        <translation>%1 cannot be below zero.</translation>
    </message>
    <message>
        <source>%1 alanındaki «%2» basamakları gruplanmış; binlik ayırıcı kabul edilmez: sayıyı %3 olarak yazın.</source>
        <translation>The digits of «%2» in %1 are grouped; a thousands separator is not accepted: write the number as %3.</translation>
    </message>
    <message>
        <source>%1 alanındaki değer bu hesap için çok büyük ya da çok küçük.</source>
        <translation>The value in %1 is too large or too small for this calculation.</translation>
    </message>
    <message>
        <source>%1 %2 ile %3 arasında olmalı.</source>
        <translation>%1 must be from %2 to %3.</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>SONSUZ REDÜKTÖR DİŞLİSİ-VİDASI VE AZDIRMA TEZGAHI HESABI</source>
        <translation>WORM REDUCER WHEEL AND WORM, AND HOBBING MACHINE CALCULATION</translation>
    </message>
    <message>
        <source>MODÜL (m)</source>
        <translation>MODULE (m)</translation>
    </message>
    <message>
        <source>DİŞLİ DİŞ SAYISI (Z2)</source>
        <translation>WHEEL TEETH (Z2)</translation>
    </message>
    <message>
        <source>VİDA DİŞ ÜSTÜ ÇAPI (da1)</source>
        <translation>WORM TIP DIAMETER (da1)</translation>
    </message>
    <message>
        <source>VİDA AĞIZ SAYISI (z1)</source>
        <translation>WORM STARTS (z1)</translation>
    </message>
    <message>
        <source>GİRİŞ DEVİRİ (N1)</source>
        <translation>INPUT SPEED (N1)</translation>
    </message>
    <message>
        <source>DİŞLİ DİŞ ÜSTÜ ÇAPI (da2)</source>
        <translation>WHEEL TIP DIAMETER (da2)</translation>
    </message>
    <message>
        <source>DİŞLİ BÖLÜM DAİRESİ (d2)</source>
        <translation>WHEEL PITCH DIAMETER (d2)</translation>
    </message>
    <message>
        <source>DİŞLİ DİŞ DİBİ ÇAPI (df2)</source>
        <translation>WHEEL ROOT DIAMETER (df2)</translation>
    </message>
    <message>
        <source>DİŞLİ DİŞ DERİNLİĞİ (h2)</source>
        <translation>WHEEL TOOTH DEPTH (h2)</translation>
    </message>
    <message>
        <source>DİŞLİ DİŞ GENİŞLİĞİ (ba)</source>
        <translation>WHEEL FACE WIDTH (ba)</translation>
    </message>
    <message>
        <source>VİDA BÖLÜM DAİRESİ (d1)</source>
        <translation>WORM PITCH DIAMETER (d1)</translation>
    </message>
    <message>
        <source>VİDA DİŞ DİBİ ÇAPI (df1)</source>
        <translation>WORM ROOT DIAMETER (df1)</translation>
    </message>
    <message>
        <source>VİDA DİŞ DERİNLİĞİ (h1)</source>
        <translation>WORM THREAD DEPTH (h1)</translation>
    </message>
    <message>
        <source>VİDA BOYU (L)</source>
        <translation>WORM LENGTH (L)</translation>
    </message>
    <message>
        <source>VİDA HATVESİ (P)</source>
        <translation>SHOP-RULE PITCH (P)</translation>
    </message>
    <message>
        <source>DİŞLİ - VİDA ARASI (A)</source>
        <translation>CENTRE DISTANCE (A)</translation>
    </message>
    <message>
        <source>ÇIKIŞ DEVİRİ (N2)</source>
        <translation>OUTPUT SPEED (N2)</translation>
    </message>
    <message>
        <source>AZDIRMA BIÇAK AÇISI (AÇI)</source>
        <translation>ANGLE ON HOB (AÇI)</translation>
    </message>
    <message>
        <source>AZDIRMA AÇISI (SAĞ)</source>
        <translation>HOB SWIVEL (RIGHT)</translation>
    </message>
    <message>
        <source>AZDIRMA AÇISI (SOL)</source>
        <translation>HOB SWIVEL (LEFT)</translation>
    </message>
    <message>
        <source>GİRİŞ DİŞLİSİ (GD)</source>
        <translation>DRIVING GEAR (GD)</translation>
    </message>
    <message>
        <source>ÇIKIŞ DİŞLİSİ (ÇD)</source>
        <translation>DRIVEN GEAR (ÇD)</translation>
    </message>
    <message>
        <source>KATSAYI (KS)</source>
        <translation>COEFFICIENT (KS)</translation>
    </message>
    <message>
        <source>PROFİL KAYDIRMA (x2)</source>
        <translation>PROFILE SHIFT (x2)</translation>
    </message>
</context>
<context>
    <name>FormView</name>
    <message>
        <source>Birinci bölüm: sonsuz vida ve dişli ölçülerini, eksenler arası mesafeyi ve çıkış devrini hesaplar</source>
        <translation>First section: calculates the worm and wheel dimensions, the centre distance and the output speed</translation>
    </message>
    <message>
        <source>HESAPLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>İkinci bölüm: azdırma bıçağının sağ ve sol açılarını hesaplar</source>
        <translation>Second section: calculates the hob&apos;s right and left swivel angles</translation>
    </message>
    <message>
        <source>Üçüncü bölüm: giriş dişlisinden katsayıyı ve çıkış dişlisini hesaplar</source>
        <translation>Third section: calculates the coefficient and the driven gear from the driving gear</translation>
    </message>
    <message>
        <source>Derece ve dakika: %1 = 0° 08′, %2 = 3° 35′ (ondalık derece değil).</source>
        <translation>Degrees and minutes: %1 = 0° 08′, %2 = 3° 35′ (not decimal degrees).</translation>
    </message>
</context>
<context>
    <name>GearTrainsWindow</name>
    <message>
        <source>Toplam diş</source>
        <translation>Total teeth</translation>
    </message>
    <message>
        <source>&amp;Kullan</source>
        <translation>&amp;Use</translation>
    </message>
    <message>
        <source>Seçilen basit dizinin A dişlisini GİRİŞ DİŞLİSİ (GD) alanına yazar.</source>
        <translation>Writes gear A of the selected simple train into DRIVING GEAR (GD).</translation>
    </message>
    <message>
        <source>A, B&apos;yi döndürür; bileşik dizide C, B ile aynı milde D&apos;yi döndürür. Kullan yalnız basit dizide geçerlidir: A, GD alanına yazılır.</source>
        <translation>A drives B; in a compound train C, on B&apos;s stud, drives D. Use works only for a simple train: A is written into GD.</translation>
    </message>
    <message>
        <source>DİŞLİ DİZİLERİ – Z2 = %1, z1 = %2</source>
        <translation>GEAR TRAINS – Z2 = %1, z1 = %2</translation>
    </message>
</context>
<context>
    <name>Hob</name>
    <message>
        <source>Azdırmanın adı 1 ile %1 karakter olmalı.</source>
        <translation>A hob&apos;s name must be 1 to %1 characters.</translation>
    </message>
    <message>
        <source>«%1» adında bir azdırma zaten var.</source>
        <translation>There is already a hob named «%1».</translation>
    </message>
    <message>
        <source>«%1» azdırmasının modülü %2 ile %3 arasında olmalı.</source>
        <translation>The module of the hob «%1» must be from %2 to %3.</translation>
    </message>
    <message>
        <source>«%1» azdırmasının ağız sayısı %2 ile %3 arasında bir tam sayı olmalı.</source>
        <translation>The starts of the hob «%1» must be a whole number from %2 to %3.</translation>
    </message>
    <message>
        <source>«%1» azdırmasının bölüm dairesi çapı modülün iki katından büyük olmalı.</source>
        <translation>The pitch diameter of the hob «%1» must be above twice its module.</translation>
    </message>
    <message>
        <source>«%1» azdırmasının açısı okunmuyor: açı derece ve dakika olarak yazılır, %2 = 5° 43′ (dakika 60&apos;tan küçük).</source>
        <translation>The angle of the hob «%1» does not read: an angle is written in degrees and minutes, %2 = 5° 43′ (the minutes below 60).</translation>
    </message>
</context>
<context>
    <name>HobsPage</name>
    <message>
        <source>Yeni azdırma</source>
        <translation>New hob</translation>
    </message>
    <message>
        <source>Sağ</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Azdırmanın üzerinde yazan açı, derece ve dakika: 5,43 = 5° 43′. Boşsa yazılı açı yok.</source>
        <translation>The angle marked on the hob, in degrees and minutes: 5.43 = 5° 43′. Empty: none marked.</translation>
    </message>
    <message>
        <source>Ad</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Modül (m)</source>
        <translation>Module (m)</translation>
    </message>
    <message>
        <source>Ağız sayısı (z1)</source>
        <translation>Starts (z1)</translation>
    </message>
    <message>
        <source>Bölüm dairesi çapı (d1, mm)</source>
        <translation>Pitch diameter (d1, mm)</translation>
    </message>
    <message>
        <source>Helis yönü</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Yazılı açı (AÇI)</source>
        <translation>Angle marked (AÇI)</translation>
    </message>
</context>
<context>
    <name>JobBatch</name>
    <message>
        <source>%1: klasör oluşturulamadı.</source>
        <translation>%1: the folder could not be made.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>PDF yazılamadı: %1</source>
        <translation>the PDF could not be written: %1</translation>
    </message>
    <message>
        <source>%1 bir klasör değil: birden çok iş için çıktı bir klasör olmalı.</source>
        <translation>%1 is not a folder: for more than one job the output must be a folder.</translation>
    </message>
    <message>
        <source>%1 bir PDF değil; üzerine yazılmadı. Çıktı için bir PDF adı ya da bir klasör verin.</source>
        <translation>%1 is not a PDF; it was not written over. Give a PDF name or a folder as the output.</translation>
    </message>
</context>
<context>
    <name>JobFile</name>
    <message>
        <source>Dosya bir ZORVANDI iş dosyası değil (&quot;format&quot;: &quot;%1&quot;).</source>
        <translation>The file is not a ZORVANDI job file (&quot;format&quot;: &quot;%1&quot;).</translation>
    </message>
</context>
<context>
    <name>JobSession</name>
    <message>
        <source>Adsız</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>«%1» işindeki değişiklikler kaydedilmedi. Kaydedilsin mi?</source>
        <translation>The changes to the job «%1» are not saved. Save them?</translation>
    </message>
    <message>
        <source>Kaydet</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Kaydetme</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>İş Aç</source>
        <translation>Open a Job</translation>
    </message>
    <message>
        <source>ZORVANDI işi (*.zvj)</source>
        <translation>ZORVANDI job (*.zvj)</translation>
    </message>
    <message>
        <source>«%1» açılamadı: %2</source>
        <translation>«%1» could not be opened: %2</translation>
    </message>
    <message>
        <source>«%1» bu pencere açtığından ya da kaydettiğinden beri değişti.</source>
        <translation>«%1» has changed since this window opened or saved it.</translation>
    </message>
    <message>
        <source>Farklı Kaydet…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>Farklı Kaydet</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>«%1» kaydedilemedi: %2</source>
        <translation>«%1» could not be saved: %2</translation>
    </message>
    <message>
        <source>İş kaydedildi: %1</source>
        <translation>Job saved: %1</translation>
    </message>
    <message>
        <source>İş Bilgileri</source>
        <translation>Job Details</translation>
    </message>
    <message>
        <source>Başlık</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>«%1» artık yok; son işlerden çıkarıldı.</source>
        <translation>«%1» no longer exists; it was taken off the recent jobs.</translation>
    </message>
</context>
<context>
    <name>JobSheet</name>
    <message>
        <source>1. SONSUZ VİDA VE DİŞLİ ÖLÇÜLERİ</source>
        <translation>1. WORM AND WHEEL DIMENSIONS</translation>
    </message>
    <message>
        <source>Birinci bölümün</source>
        <translation>The first section&apos;s</translation>
    </message>
    <message>
        <source>2. AZDIRMA AÇILARI</source>
        <translation>2. HOB SWIVEL ANGLES</translation>
    </message>
    <message>
        <source>İkinci bölümün</source>
        <translation>The second section&apos;s</translation>
    </message>
    <message>
        <source>3. BÖLME DİŞLİLERİ</source>
        <translation>3. INDEX CHANGE GEARS</translation>
    </message>
    <message>
        <source>Üçüncü bölümün</source>
        <translation>The third section&apos;s</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>d/dk</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>diş</source>
        <translation>teeth</translation>
    </message>
    <message>
        <source>VİDA HELİS AÇISI (γ)</source>
        <translation>WORM LEAD ANGLE (γ)</translation>
    </message>
    <message>
        <source>ÇEVRİM ORANI (i)</source>
        <translation>RATIO (i)</translation>
    </message>
    <message>
        <source>TEZGÂH</source>
        <translation>MACHINE</translation>
    </message>
    <message>
        <source>BÖLME SABİTİ (K)</source>
        <translation>INDEX CONSTANT (K)</translation>
    </message>
    <message>
        <source>ÇD makinenin takımında</source>
        <translation>ÇD in the machine&apos;s set</translation>
    </message>
    <message>
        <source>var</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>yok</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Tam dişli dizisi</source>
        <translation>Exact gear train</translation>
    </message>
    <message>
        <source>Z2 tam sayı değil</source>
        <translation>Z2 is not a whole number</translation>
    </message>
    <message>
        <source>Tam dizi %1</source>
        <translation>Exact train %1</translation>
    </message>
    <message>
        <source>hesaplanmadı</source>
        <translation>not calculated</translation>
    </message>
    <message>
        <source>%1 sonuçları henüz yok: önce bölümün HESAPLA düğmesine basın.</source>
        <translation>%1 results are not there yet: first press the section&apos;s CALCULATE button.</translation>
    </message>
    <message>
        <source>%1 sonuçları güncel değil: son hesaplamadan sonra bir alan değişti. Bölümün HESAPLA düğmesine yeniden basın.</source>
        <translation>%1 results are out of date: a field changed after the last calculation. Press the section&apos;s CALCULATE button again.</translation>
    </message>
    <message>
        <source>Ölçek %1:1</source>
        <translation>Scale %1:1</translation>
    </message>
    <message>
        <source>Ölçek 1:%1</source>
        <translation>Scale 1:%1</translation>
    </message>
    <message>
        <source>ZORVANDI iş kağıdı, %1</source>
        <translation>ZORVANDI job sheet, %1</translation>
    </message>
    <message>
        <source>ÇİZİM: bu ölçülerle çizilemiyor</source>
        <translation>DRAWING: cannot be drawn with these dimensions</translation>
    </message>
    <message>
        <source>ÇİZİM: bu ölçüler 1:10000 ölçeğinde bile sayfaya sığmıyor</source>
        <translation>DRAWING: these dimensions do not fit the page even at a scale of 1:10000</translation>
    </message>
    <message>
        <source>ÇİZİM (%1)</source>
        <translation>DRAWING (%1)</translation>
    </message>
    <message>
        <source>PDF oluşturulamadı</source>
        <translation>the PDF could not be made</translation>
    </message>
    <message>
        <source>%1 (tam değil)</source>
        <translation>%1 (not whole)</translation>
    </message>
    <message>
        <source>VİDA HELİS ADIMI (pz = z1 × π × m)</source>
        <translation>WORM LEAD (pz = z1 × π × m)</translation>
    </message>
    <message>
        <source>BÖLME SABİTİ (K′, Z2 &gt; %1)</source>
        <translation>INDEX CONSTANT (K′, Z2 &gt; %1)</translation>
    </message>
    <message>
        <source>yok: tam sayı değil</source>
        <translation>no: not a whole number</translation>
    </message>
    <message>
        <source>yok: tek dişli GD&apos;de kullanılıyor</source>
        <translation>no: the only one is used as GD</translation>
    </message>
    <message>
        <source>Tezgâh değişti: bölme dişlileri için 3. bölümün HESAPLA düğmesine basın.</source>
        <translation>The machine changed: press section 3&apos;s CALCULATE button for the index gears.</translation>
    </message>
    <message numerus="yes">
        <source>ve %n dizi daha</source>
        <translation>
            <numerusform>and %n more train</numerusform>
            <numerusform>and %n more trains</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>inçte %1 diş (%2 mm)</source>
        <translation>%1 threads per inch (%2 mm)</translation>
    </message>
    <message>
        <source>4. VİDA TORNALAMA</source>
        <translation>4. CUTTING THE WORM</translation>
    </message>
    <message>
        <source>TORNA</source>
        <translation>LATHE</translation>
    </message>
    <message>
        <source>VİDALI MİL</source>
        <translation>LEAD SCREW</translation>
    </message>
    <message>
        <source>µm</source>
        <translation>µm</translation>
    </message>
    <message>
        <source>DİZİ</source>
        <translation>TRAIN</translation>
    </message>
    <message>
        <source>%1, kutu %2</source>
        <translation>%1, gearbox %2</translation>
    </message>
    <message>
        <source>KESİLEN ADIM</source>
        <translation>LEAD CUT</translation>
    </message>
    <message>
        <source>HATA (100 mm&apos;de)</source>
        <translation>ERROR (per 100 mm)</translation>
    </message>
    <message>
        <source>HATA (L boyunca)</source>
        <translation>ERROR (over L)</translation>
    </message>
    <message>
        <source>AĞIZ BÖLME</source>
        <translation>INDEXING THE STARTS</translation>
    </message>
    <message>
        <source>üst kızak %1 mm ya da A %2 ÷ %3 = %4 diş</source>
        <translation>top slide %1 mm, or A %2 ÷ %3 = %4 teeth</translation>
    </message>
    <message>
        <source>üst kızak %1 mm</source>
        <translation>top slide %1 mm</translation>
    </message>
    <message>
        <source>5. TASLAK VE KONTROL</source>
        <translation>5. BLANK AND CHECKS</translation>
    </message>
    <message>
        <source>PROFİL AÇISI (α)</source>
        <translation>PROFILE ANGLE (α)</translation>
    </message>
    <message>
        <source>TEL ÇAPI (en uygun)</source>
        <translation>WIRE DIAMETER (best wire)</translation>
    </message>
    <message>
        <source>TEL ÇAPI</source>
        <translation>WIRE DIAMETER</translation>
    </message>
    <message>
        <source>UYARI: %1</source>
        <translation>WARNING: %1</translation>
    </message>
    <message>
        <source>6. VERİM VE YÜK</source>
        <translation>6. EFFICIENCY AND LOAD</translation>
    </message>
    <message>
        <source>TASARIM: İSTENEN EKSEN MESAFESİ (a)</source>
        <translation>DESIGN: CENTRE DISTANCE ASKED (a)</translation>
    </message>
    <message>
        <source>TASARIM: İSTENEN ORAN (i)</source>
        <translation>DESIGN: RATIO ASKED (i)</translation>
    </message>
    <message>
        <source>Adsız</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Sayfa %1 / %2</source>
        <translation>Page %1 / %2</translation>
    </message>
    <message>
        <source>DİŞ İNCELTMESİ (sx, en az / en çok)</source>
        <translation>THREAD THINNING (sx, least / most)</translation>
    </message>
    <message>
        <source>P = %1 × m, atölyenin yuvarlatılmış adımı</source>
        <translation>P = %1 × m, the shop&apos;s rounded pitch</translation>
    </message>
</context>
<context>
    <name>Lathe</name>
    <message>
        <source>Varsayılan torna</source>
        <translation>Default lathe</translation>
    </message>
    <message>
        <source>«%1» tornasının kutu konumlarının adı 1 ile %2 karakter arasında olmalı.</source>
        <translation>The gearbox positions of lathe «%1» must have names of 1 to %2 characters.</translation>
    </message>
    <message>
        <source>Adsız bir torna var: her tornanın 1 ile %1 karakter arasında bir adı olmalı.</source>
        <translation>A lathe has no name: every lathe needs a name of 1 to %1 characters.</translation>
    </message>
    <message>
        <source>«%1» tornasının adı 1 ile %2 karakter arasında olmalı.</source>
        <translation>The name of lathe «%1» must have 1 to %2 characters.</translation>
    </message>
    <message>
        <source>«%1» adı birden fazla tornada var: adlar, büyük küçük harf ayrımı olmadan, birbirinden farklı olmalı.</source>
        <translation>More than one lathe is named «%1»: names must differ, whatever their case.</translation>
    </message>
    <message>
        <source>«%1» adı yerleşik tornanın adıdır; başka bir ad seçin.</source>
        <translation>«%1» is the built-in lathe&apos;s name; choose another.</translation>
    </message>
    <message>
        <source>«%1» tornasının vidalı mili ya mm ya da tpi ile verilmeli, ikisiyle birden değil.</source>
        <translation>The lead screw of lathe «%1» must be given in mm or in tpi, not both.</translation>
    </message>
    <message>
        <source>«%1» tornasında %2 ile %3 arasında dişli olmalı.</source>
        <translation>Lathe «%1» must have %2 to %3 gears.</translation>
    </message>
    <message>
        <source>«%1» tornasının vidalı mil adımı %2 ile %3 mm arasında olmalı.</source>
        <translation>The lead screw pitch of lathe «%1» must be from %2 to %3 mm.</translation>
    </message>
    <message>
        <source>«%1» tornasının vidalı mili inçte %2 ile %3 diş arasında olmalı.</source>
        <translation>The lead screw of lathe «%1» must have %2 to %3 threads per inch.</translation>
    </message>
    <message>
        <source>«%1» tornasının dişlileri %2 ile %3 arasında tam sayılar olmalı.</source>
        <translation>The gears of lathe «%1» must be whole numbers from %2 to %3.</translation>
    </message>
    <message>
        <source>«%1» tornasının kutu konumlarının oranı %2 ile %3 arasında olmalı.</source>
        <translation>The gearbox ratios of lathe «%1» must be from %2 to %3.</translation>
    </message>
    <message>
        <source>«%1» tornasının boşluğu (k) %2 ile %3 arasında bir tam sayı olmalı.</source>
        <translation>The clearance (k) of lathe «%1» must be a whole number from %2 to %3.</translation>
    </message>
    <message>
        <source>«%1» tornasının erişimi (en az diş toplamı) %2 ile %3 arasında bir tam sayı olmalı.</source>
        <translation>The reach (the least sum of teeth) of lathe «%1» must be a whole number from %2 to %3.</translation>
    </message>
</context>
<context>
    <name>LatheTrains</name>
    <message>
        <source>Bu torna bu vidayı kesemez: %1 mm adım için hiçbir dizisi yok.</source>
        <translation>This lathe cannot cut the worm: it has no train for a lead of %1 mm.</translation>
    </message>
    <message>
        <source>Bu torna bu vidayı kesemez: en yakın adım %1 mm, gereken %2 mm&apos;den %3 % uzak (sınır %4 %).</source>
        <translation>This lathe cannot cut the worm: its nearest lead, %1 mm, misses the %2 mm needed by %3 % (the limit is %4 %).</translation>
    </message>
</context>
<context>
    <name>LatheWindow</name>
    <message>
        <source>Torna:</source>
        <translation>Lathe:</translation>
    </message>
    <message>
        <source>Gereken adım pz = z1 × π × m = %1 mm; vidalı mil %2 mm.</source>
        <translation>Lead needed pz = z1 × π × m = %1 mm; lead screw %2 mm.</translation>
    </message>
    <message>
        <source>Gereken adım pz = z1 × π × m = %1 mm; vidalı mil inçte %2 diş.</source>
        <translation>Lead needed pz = z1 × π × m = %1 mm; lead screw %2 threads per inch.</translation>
    </message>
    <message>
        <source>Kutu</source>
        <translation>Gearbox</translation>
    </message>
    <message>
        <source>Dizi</source>
        <translation>Train</translation>
    </message>
    <message>
        <source>Diğer diziler</source>
        <translation>Other trains</translation>
    </message>
    <message>
        <source>Adım (mm)</source>
        <translation>Lead (mm)</translation>
    </message>
    <message>
        <source>µm / 100 mm</source>
        <translation>µm / 100 mm</translation>
    </message>
    <message>
        <source>µm / L</source>
        <translation>µm / L</translation>
    </message>
    <message>
        <source>Bölme</source>
        <translation>Indexing</translation>
    </message>
    <message>
        <source>Ağızları bölmek için üst kızağı tezgâha paralel ayarlayıp bir eksenel adım ilerletin: π × m = %1 mm.</source>
        <translation>To index the starts, set the top slide parallel to the bed and advance it by one axial pitch: π × m = %1 mm.</translation>
    </message>
    <message>
        <source>Ya da A&apos;yı kavramadan çıkarıp mili, A %1 ÷ %2 = %3 diş dönene dek çevirin (A&apos;nın mille bire bir döndüğü varsayılır).</source>
        <translation>Or take A out of mesh and turn the spindle until A has moved %1 ÷ %2 = %3 teeth (this assumes that A turns with the spindle, one to one).</translation>
    </message>
    <message>
        <source>VİDA TORNALAMA</source>
        <translation>CUTTING THE WORM</translation>
    </message>
</context>
<context>
    <name>LathesPage</name>
    <message>
        <source>mm adım</source>
        <translation>mm pitch</translation>
    </message>
    <message>
        <source>inçte diş (tpi)</source>
        <translation>threads per inch (tpi)</translation>
    </message>
    <message>
        <source>Diş sayıları, boşluk ya da virgülle ayrılmış; iki kez yazılan sayı o sayıda iki dişli demektir.</source>
        <translation>Tooth counts, separated by blanks or commas; a count written twice means two gears of that count.</translation>
    </message>
    <message>
        <source>Hızlı değiştirme kutusunun konumları, satır başına bir konum: adı ve oranı (&quot;A 1&quot;, &quot;B 0,5&quot;). Boşsa oranı 1 olan tek konum.</source>
        <translation>The quick-change gearbox&apos;s positions, one a line: its name and its ratio (&quot;A 1&quot;, &quot;B 0.5&quot;). Empty: a single position of ratio 1.</translation>
    </message>
    <message>
        <source>Bileşik dizi için boşluk (k)</source>
        <translation>Clearance for compound trains (k)</translation>
    </message>
    <message>
        <source>Ad</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Vidalı mil</source>
        <translation>Lead screw</translation>
    </message>
    <message>
        <source>Dişliler</source>
        <translation>Gears</translation>
    </message>
    <message>
        <source>Kutu konumları</source>
        <translation>Gearbox positions</translation>
    </message>
    <message>
        <source>Boşluk (k, diş)</source>
        <translation>Clearance (k, teeth)</translation>
    </message>
    <message>
        <source>Yeni torna</source>
        <translation>New lathe</translation>
    </message>
    <message>
        <source>Erişim: en az diş toplamı</source>
        <translation>Reach: the least sum of teeth</translation>
    </message>
    <message>
        <source>Kolun (banjo) bağlayabildiği en küçük dizi: basit dizide A + B, bileşik dizide A + B + C + D en az bu kadar olmalı.</source>
        <translation>The smallest train the banjo can mount: A + B of a simple train, A + B + C + D of a compound one, must be at least this.</translation>
    </message>
    <message>
        <source>Erişim (diş)</source>
        <translation>Reach (teeth)</translation>
    </message>
</context>
<context>
    <name>Machine</name>
    <message>
        <source>adı</source>
        <translation>name</translation>
    </message>
    <message>
        <source>bölme sabiti (K)</source>
        <translation>index constant (K)</translation>
    </message>
    <message>
        <source>dişlileri</source>
        <translation>gears</translation>
    </message>
    <message>
        <source>büyük çark sınırı (Z2 &gt;)</source>
        <translation>large-wheel limit (Z2 &gt;)</translation>
    </message>
    <message>
        <source>büyük çark sabiti (K′)</source>
        <translation>large-wheel constant (K′)</translation>
    </message>
    <message>
        <source>boşluğu (k)</source>
        <translation>clearance (k)</translation>
    </message>
    <message>
        <source>Varsayılan tezgâh</source>
        <translation>Default machine</translation>
    </message>
    <message>
        <source>«%1» adı birden fazla tezgâhta var: adlar, büyük küçük harf ayrımı olmadan, birbirinden farklı olmalı.</source>
        <translation>More than one machine is named «%1»: names must differ, ignoring case.</translation>
    </message>
    <message>
        <source>«%1» adı yerleşik tezgâhın adıdır; başka bir ad seçin.</source>
        <translation>«%1» is the built-in machine&apos;s name; choose another name.</translation>
    </message>
    <message>
        <source>«%1» tezgâhının dişlileri %2 ile %3 arasında tam sayılar olmalı.</source>
        <translation>The gears of machine «%1» must be whole numbers from %2 to %3.</translation>
    </message>
    <message>
        <source>«%1» tezgâhının %2 %3 ile %4 arasında bir tam sayı olmalı.</source>
        <translation>The %2 of machine «%1» must be a whole number from %3 to %4.</translation>
    </message>
    <message>
        <source>«%1» tezgâhında %2 ile %3 arasında dişli olmalı.</source>
        <translation>Machine «%1» must have %2 to %3 gears.</translation>
    </message>
    <message>
        <source>Adsız bir tezgâh var: her tezgâhın 1 ile %1 karakter arasında bir adı olmalı.</source>
        <translation>A machine has no name: every machine needs a name of 1 to %1 characters.</translation>
    </message>
    <message>
        <source>«%1» tezgâhının adı 1 ile %2 karakter arasında olmalı.</source>
        <translation>The name of machine «%1» must have 1 to %2 characters.</translation>
    </message>
</context>
<context>
    <name>MachineFile</name>
    <message>
        <source>klasör oluşturulamadı</source>
        <translation>the folder could not be created</translation>
    </message>
    <message>
        <source>Dosya bir ZORVANDI tezgâh dosyası değil (&quot;format&quot;: &quot;%1&quot;).</source>
        <translation>The file is not a ZORVANDI machine file (&quot;format&quot;: &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Dosya okunamadı: %1.</source>
        <translation>The file could not be read: %1.</translation>
    </message>
    <message>
        <source>Dosya, bu programın okuyamadığı daha yeni bir sürümde (&quot;version&quot;).</source>
        <translation>The file is of a newer version that this program cannot read (&quot;version&quot;).</translation>
    </message>
    <message>
        <source>Dosyada geçerli bir sürüm (&quot;version&quot;) yok.</source>
        <translation>The file has no valid version (&quot;version&quot;).</translation>
    </message>
    <message>
        <source>Dosyada %1 anahtarı yok.</source>
        <translation>The file has no %1 key.</translation>
    </message>
    <message>
        <source>«%1» tezgâhında %2 anahtarı yok.</source>
        <translation>Machine «%1» has no %2 key.</translation>
    </message>
    <message>
        <source>Dosyadaki %1 anahtarının değeri yanlış türde.</source>
        <translation>The file&apos;s %1 key has a value of the wrong type.</translation>
    </message>
    <message>
        <source>«%1» tezgâhında %2 anahtarının değeri yanlış türde.</source>
        <translation>Machine «%1» has a value of the wrong type for its %2 key.</translation>
    </message>
    <message>
        <source>Dosyada bilinmeyen bir anahtar var: %1.</source>
        <translation>The file has an unknown key: %1.</translation>
    </message>
    <message>
        <source>«%1» tezgâhında bilinmeyen bir anahtar var: %2.</source>
        <translation>Machine «%1» has an unknown key: %2.</translation>
    </message>
    <message>
        <source>«%1» tornasında %2 anahtarı yok.</source>
        <translation>Lathe «%1» has no %2 key.</translation>
    </message>
    <message>
        <source>«%1» tornasında %2 anahtarının değeri yanlış türde.</source>
        <translation>Lathe «%1» has a value of the wrong type for its %2 key.</translation>
    </message>
    <message>
        <source>«%1» tornasında bilinmeyen bir anahtar var: %2.</source>
        <translation>Lathe «%1» has an unknown key: %2.</translation>
    </message>
    <message>
        <source>«%1» azdırmasında %2 anahtarı yok.</source>
        <translation>The hob «%1» has no %2 key.</translation>
    </message>
    <message>
        <source>«%1» azdırmasında %2 anahtarının değeri yanlış türde.</source>
        <translation>In the hob «%1», the value of the %2 key is of the wrong type.</translation>
    </message>
    <message>
        <source>«%1» azdırmasında bilinmeyen bir anahtar var: %2.</source>
        <translation>The hob «%1» has an unknown key: %2.</translation>
    </message>
    <message>
        <source>Dosya JSON değil: bir nesne ile başlamıyor.</source>
        <translation>The file is not JSON: it does not start with an object.</translation>
    </message>
    <message>
        <source>Dosya JSON değil: %1. baytta %2.</source>
        <translation>The file is not JSON: at byte %1, %2.</translation>
    </message>
    <message>
        <source>Dosyada %1 anahtarı iki kez yazılmış; hangisinin geçerli olduğu bilinemez.</source>
        <translation>The key %1 is written twice in the file; which one holds cannot be known.</translation>
    </message>
    <message>
        <source>Dosyadaki %1 değeri aralık dışında: %2 üstünde olmalı.</source>
        <translation>The value of %1 in the file is out of range: it must be above %2.</translation>
    </message>
    <message>
        <source>Dosyadaki %1 değeri aralık dışında: %2 ile %3 arasında olmalı.</source>
        <translation>The value of %1 in the file is out of range: it must lie between %2 and %3.</translation>
    </message>
    <message>
        <source>Dosyadaki %1 değeri («%2») bilinen bir yerel ayarın adı değil.</source>
        <translation>The value of %1 in the file («%2») is not the name of a known locale.</translation>
    </message>
    <message>
        <source>bir nesne kapanmadan dosya bitiyor ya da bir virgül eksik</source>
        <translation>the file ends before an object is closed, or a comma is missing</translation>
    </message>
    <message>
        <source>anahtardan sonra iki nokta (:) bekleniyordu</source>
        <translation>a colon (:) was expected after the key</translation>
    </message>
    <message>
        <source>bir liste kapanmadan dosya bitiyor ya da bir virgül eksik</source>
        <translation>the file ends before a list is closed, or a comma is missing</translation>
    </message>
    <message>
        <source>değerden sonra bir virgül bekleniyordu</source>
        <translation>a comma was expected after the value</translation>
    </message>
    <message>
        <source>dosya bir sayının ortasında bitiyor</source>
        <translation>the file ends in the middle of a number</translation>
    </message>
    <message>
        <source>bir metinde geçersiz bir ters bölü (\) dizisi</source>
        <translation>an invalid backslash (\) sequence in a text</translation>
    </message>
    <message>
        <source>UTF-8 olmayan bir karakter</source>
        <translation>a character that is not UTF-8</translation>
    </message>
    <message>
        <source>kapanmayan bir tırnak</source>
        <translation>a quotation mark that is never closed</translation>
    </message>
    <message>
        <source>bir nesne bekleniyordu</source>
        <translation>an object was expected</translation>
    </message>
    <message>
        <source>iç içe çok fazla nesne</source>
        <translation>too many objects nested</translation>
    </message>
    <message>
        <source>dosya çok büyük</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>dosyanın sonunda fazladan karakter</source>
        <translation>stray characters at the end of the file</translation>
    </message>
    <message>
        <source>beklenmeyen karakter</source>
        <translation>an unexpected character</translation>
    </message>
    <message>
        <source>Dosyadaki %1 değeri aralık dışında: %2 ya da üstünde olmalı.</source>
        <translation>The value %1 in the file is out of range: it must be %2 or above.</translation>
    </message>
    <message>
        <source>Tezgâh dosyası «%1» kullanılamıyor: %2</source>
        <translation>The machine file «%1» cannot be used: %2</translation>
    </message>
</context>
<context>
    <name>MachineFileDialogs</name>
    <message>
        <source>Tezgâh dosyası (*.json)</source>
        <translation>Machine file (*.json)</translation>
    </message>
    <message>
        <source>«%1» içe aktarılamadı: %2</source>
        <translation>«%1» could not be imported: %2</translation>
    </message>
    <message>
        <source>«%1» kaydedilemedi: %2</source>
        <translation>«%1» could not be saved: %2</translation>
    </message>
    <message>
        <source>«%1» → «%2»</source>
        <translation>«%1» → «%2»</translation>
    </message>
</context>
<context>
    <name>MachineStore</name>
    <message>
        <source>değişmiş dosya «%1» adına taşınamadı</source>
        <translation>the changed file could not be moved to «%1»</translation>
    </message>
</context>
<context>
    <name>MachinesDialog</name>
    <message>
        <source>Tezgâhlar</source>
        <translation>Machines</translation>
    </message>
    <message>
        <source>Diş sayıları, boşluk ya da virgülle ayrılmış; iki kez yazılan sayı o sayıda iki dişli demektir.</source>
        <translation>Tooth counts separated by blanks or commas; a count written twice means two gears of that count.</translation>
    </message>
    <message>
        <source>Büyük çark için ikinci sabit</source>
        <translation>Second constant for large wheels</translation>
    </message>
    <message>
        <source>Bileşik dizi için boşluk (k)</source>
        <translation>Clearance for compound trains (k)</translation>
    </message>
    <message>
        <source>Ad</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bölme sabiti (K)</source>
        <translation>Index constant (K)</translation>
    </message>
    <message>
        <source>Dişliler</source>
        <translation>Gears</translation>
    </message>
    <message>
        <source>Z2 şundan büyükse</source>
        <translation>For Z2 above</translation>
    </message>
    <message>
        <source>Sabit (K′)</source>
        <translation>Constant (K′)</translation>
    </message>
    <message>
        <source>Boşluk (k, diş)</source>
        <translation>Clearance (k, teeth)</translation>
    </message>
    <message>
        <source>Yeni tezgâh</source>
        <translation>New machine</translation>
    </message>
    <message>
        <source>tezgahlar.json</source>
        <translation>machines.json</translation>
    </message>
    <message>
        <source>Dışa aktarılmadı; önce şunları düzeltin:</source>
        <translation>Not exported; first correct the following:</translation>
    </message>
    <message>
        <source>Kaydedilmedi; önce şunları düzeltin:</source>
        <translation>Not saved; first correct the following:</translation>
    </message>
    <message>
        <source>Tezgâhlardaki değişiklikler kaydedilmedi. Atılsın mı?</source>
        <translation>The changes to the machines are not saved. Discard them?</translation>
    </message>
    <message>
        <source>Azdırma tezgâhları</source>
        <translation>Hobbing machines</translation>
    </message>
    <message>
        <source>Tornalar</source>
        <translation>Lathes</translation>
    </message>
    <message>
        <source>Tezgâh Dosyası İçe Aktar</source>
        <translation>Import a Machine File</translation>
    </message>
    <message>
        <source>Bu adlar, var olanlarla çakıştığı için değiştirildi:
%1</source>
        <translation>These names were changed, as they clashed with existing ones:
%1</translation>
    </message>
    <message>
        <source>Tezgâh Dosyası Dışa Aktar</source>
        <translation>Export the Machine File</translation>
    </message>
    <message>
        <source>Azdırmalar</source>
        <translation>Hobs</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sonsuz redüktör dişlisi-vidası ve azdırma tezgahı hesabı.</source>
        <translation>Worm reducer wheel and worm, and hobbing machine calculation.</translation>
    </message>
    <message>
        <source>İşlerin iş kağıtlarını pencere açmadan PDF olarak yazar: tek iş için bir dosya, birden çoğu için bir klasör.</source>
        <translation>Writes the jobs&apos; sheets as PDF without opening a window: a file for one job, a folder for more.</translation>
    </message>
    <message>
        <source>çıktı</source>
        <translation>out</translation>
    </message>
    <message>
        <source>İşlerin çizelgesini standart çıktıya yazar.</source>
        <translation>Writes the jobs&apos; tables to standard output.</translation>
    </message>
    <message>
        <source>Açılacak iş dosyaları.</source>
        <translation>The job files to open.</translation>
    </message>
    <message>
        <source>%1
Seçenekler için: %2 --help</source>
        <translation>%1
For the options: %2 --help</translation>
    </message>
    <message>
        <source>İşler yerine gövdelerin kataloğunu yazar (--pdf ya da --tsv ile).</source>
        <translation>Writes the housings&apos; catalogue instead of jobs (with --pdf or --tsv).</translation>
    </message>
    <message>
        <source>Kataloğun gövdeleri, mm; örneğin 63;80;100.</source>
        <translation>The catalogue&apos;s housings, mm; for example 63;80;100.</translation>
    </message>
    <message>
        <source>Kataloğun oranları; örneğin 10;20;40.</source>
        <translation>The catalogue&apos;s ratios; for example 10;20;40.</translation>
    </message>
    <message>
        <source>Kataloğun giriş devirleri, d/dk; örneğin 1400;2800.</source>
        <translation>The catalogue&apos;s input speeds, rpm; for example 1400;2800.</translation>
    </message>
    <message>
        <source>Kataloğun vidaları: hobs, standard ya da new.</source>
        <translation>The catalogue&apos;s worms: hobs, standard or new.</translation>
    </message>
    <message>
        <source>--catalogue için --pdf ya da --tsv gerekir.</source>
        <translation>--catalogue needs --pdf or --tsv.</translation>
    </message>
    <message>
        <source>«%1» kaydedilemedi: %2</source>
        <translation>«%1» could not be saved: %2</translation>
    </message>
    <message>
        <source>Kataloğun profil açısı α, derece; örneğin 20.</source>
        <translation>The catalogue&apos;s profile angle α, degrees; for example 20.</translation>
    </message>
    <message>
        <source>--worms hobs, standard ya da new olmalı.</source>
        <translation>--worms must be hobs, standard or new.</translation>
    </message>
    <message>
        <source>--motors ve --service-factor --selection ile olur.</source>
        <translation>--motors and --service-factor go with --selection.</translation>
    </message>
    <message>
        <source>--selection ile --per-housing birlikte olmaz.</source>
        <translation>--selection and --per-housing cannot go together.</translation>
    </message>
    <message>
        <source>Kataloğun yerine motora göre seçim tablosunu yazar.</source>
        <translation>Writes the selection table by motor instead of the catalogue.</translation>
    </message>
    <message>
        <source>Kataloğu gövde başına bir sayfa olarak yazar.</source>
        <translation>Writes the catalogue as a page per housing.</translation>
    </message>
    <message>
        <source>Seçim tablosunun motor güçleri, kW; örneğin 0,37;0,55;0,75.</source>
        <translation>The selection table&apos;s motor powers, kW; for example 0.37;0.55;0.75.</translation>
    </message>
    <message>
        <source>Seçim tablosunun listelediği en küçük işletme faktörü fs; örneğin 1,25.</source>
        <translation>The least service factor fs the selection table lists; for example 1.25.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Dosya</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;PDF Olarak Kaydet…</source>
        <translation>Save as &amp;PDF…</translation>
    </message>
    <message>
        <source>Baskı Ö&amp;nizleme…</source>
        <translation>Print Pre&amp;view…</translation>
    </message>
    <message>
        <source>&amp;Yazdır…</source>
        <translation>P&amp;rint…</translation>
    </message>
    <message>
        <source>Çı&amp;kış</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Dü&amp;zen</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Sonuçları &amp;Kopyala</source>
        <translation>&amp;Copy Results</translation>
    </message>
    <message>
        <source>&amp;Araçlar</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Dişli Dizileri…</source>
        <translation>&amp;Gear Trains…</translation>
    </message>
    <message>
        <source>Te&amp;zgâhlar…</source>
        <translation>&amp;Machines…</translation>
    </message>
    <message>
        <source>&amp;Tezgâh</source>
        <translation>Machine &amp;in Use</translation>
    </message>
    <message>
        <source>&amp;Yardım</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ZORVANDI &amp;Hakkında</source>
        <translation>&amp;About ZORVANDI</translation>
    </message>
    <message>
        <source>Tezgâh: %1</source>
        <translation>Machine: %1</translation>
    </message>
    <message>
        <source>«%1» kaydedilemedi: %2</source>
        <translation>«%1» could not be saved: %2</translation>
    </message>
    <message>
        <source>Yazdırma desteği yüklenemedi. Denenen yerler:
%1</source>
        <translation>Print support could not be loaded. Places tried:
%1</translation>
    </message>
    <message>
        <source>PDF Olarak Kaydet</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF belgesi (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>İş kağıdı kaydedildi: %1</source>
        <translation>Job sheet saved: %1</translation>
    </message>
    <message>
        <source>Yazdırılamadı: yazıcı başlatılamadı.</source>
        <translation>Could not print: the printer could not be started.</translation>
    </message>
    <message>
        <source>Sonuçlar panoya kopyalandı.</source>
        <translation>Results copied to the clipboard.</translation>
    </message>
    <message>
        <source>ZORVANDI Hakkında</source>
        <translation>About ZORVANDI</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;ZORVANDI %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Sonsuz redüktör dişlisi-vidası ve azdırma tezgahı hesabı.&lt;/p&gt;&lt;p&gt;Lisans: tescilli yazılım; tüm hakları saklıdır.&lt;/p&gt;&lt;p&gt;Qt %2 ile çalışıyor.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;ZORVANDI %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Worm reducer wheel and worm, and hobbing machine calculation.&lt;/p&gt;&lt;p&gt;Licence: proprietary software; all rights reserved.&lt;/p&gt;&lt;p&gt;Running on Qt %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tezgâh dosyası «%1» değişti ama kullanılamıyor: %2 Kullanılan tezgâhlar değişmedi.</source>
        <translation>The machine file «%1» changed but cannot be used: %2 The machines in use are unchanged.</translation>
    </message>
    <message>
        <source>Tezgâh dosyası başka bir yerde değişmişti; o hali «%1» adıyla korundu. Yeni dosya «%2» yazılamadı: %3</source>
        <translation>The machine file had been changed elsewhere; that version was kept as «%1». The new file «%2» could not be written: %3</translation>
    </message>
    <message>
        <source>Tezgâh dosyası bu pencerenin okuduğu halinden farklıydı; o hali «%1» adıyla korundu.</source>
        <translation>The machine file differed from what this window had read; that version was kept as «%1».</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>T&amp;orna</source>
        <translation>&amp;Lathe</translation>
    </message>
    <message>
        <source>&amp;Vida Tornalama…</source>
        <translation>Cutting the &amp;Worm…</translation>
    </message>
    <message>
        <source>Taslak ve &amp;Kontrol…</source>
        <translation>Blank and &amp;Checks…</translation>
    </message>
    <message>
        <source>Bu pencerenin tezgâh dosyasına yazdıkları artık dosyada yok: %1. Dosyayı başka bir pencere ya da bir el değiştirdi.</source>
        <translation>What this window wrote to the machine file is no longer in it: %1. Another window or a hand edit changed the file.</translation>
    </message>
    <message>
        <source>Bu pencerenin tezgâh dosyasına yazdıkları artık dosyada yok: %1. Başka bir pencere dosyayı kaydederken bu pencerenin yazdığını «%2» adıyla bir kenara koydu; onları oradan İçe Aktar… ile geri alabilirsiniz.</source>
        <translation>What this window wrote to the machine file is no longer in it: %1. Another window, saving the file, set this window&apos;s file aside as «%2»; Import… brings them back from there.</translation>
    </message>
    <message>
        <source>Bu hesaplamanın bütün notları</source>
        <translation>Every note of this calculation</translation>
    </message>
    <message>
        <source>Son İş&amp;ler</source>
        <translation>Recent &amp;Jobs</translation>
    </message>
    <message>
        <source>&amp;Aç…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Kaydet</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Farklı Kaydet…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>İş &amp;Bilgileri…</source>
        <translation>Job &amp;Details…</translation>
    </message>
    <message>
        <source>%1[*] — %2</source>
        <translation>%1[*] — %2</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tezgâhlara Ekle</source>
        <translation>Add to the Machines</translation>
    </message>
    <message>
        <source>Kullanılanla Aç</source>
        <translation>Open with the One in Use</translation>
    </message>
    <message>
        <source>İşin tezgâhı «%1» tezgâh dosyasında bu tanımla yok.</source>
        <translation>The job&apos;s machine «%1» is not in the machine file as the job defines it.</translation>
    </message>
    <message>
        <source>İşin tezgâhı «%1» yerine kullanılan «%2» ile açıldı: 3. bölüm yeniden hesaplanmalı.</source>
        <translation>The job was opened with «%2», the machine in use, instead of its «%1»: section 3 must be calculated again.</translation>
    </message>
    <message>
        <source>İşin tornası «%1» tezgâh dosyasında bu tanımla yok.</source>
        <translation>The job&apos;s lathe «%1» is not in the machine file as the job defines it.</translation>
    </message>
    <message>
        <source>İşin tornası «%1» yerine kullanılan «%2» ile açıldı: vida tornalama ölçüleri bu tornanın.</source>
        <translation>The job was opened with «%2», the lathe in use, instead of its «%1»: the worm&apos;s cutting figures are for this lathe.</translation>
    </message>
    <message>
        <source>Y&amp;eni</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Verim ve &amp;Yük…</source>
        <translation>&amp;Efficiency and Load…</translation>
    </message>
    <message>
        <source>&amp;Gövdeden Tasarım…</source>
        <translation>&amp;Design from a Housing…</translation>
    </message>
    <message>
        <source>K&amp;atalog…</source>
        <translation>C&amp;atalogue…</translation>
    </message>
    <message>
        <source>zorvandi-katalog.pdf</source>
        <translation>zorvandi-catalogue.pdf</translation>
    </message>
    <message>
        <source>Katalog kaydedildi: %1</source>
        <translation>Catalogue saved: %1</translation>
    </message>
    <message>
        <source>%1 Yerleşik tezgâh kullanılıyor; dosya değiştirilmedi.</source>
        <translation>%1 The built-in machine is in use; the file was not changed.</translation>
    </message>
</context>
<context>
    <name>MakingRules</name>
    <message>
        <source>en az diş</source>
        <translation>least teeth</translation>
    </message>
    <message>
        <source>helis açısı</source>
        <translation>lead angle</translation>
    </message>
    <message>
        <source>Dişli %1 dişli; αn %2 için en az %3 diş gerekir (AGMA en az diş sayısı tablosu, Shigley 15. bölüm, %4 satırı).</source>
        <translation>The wheel has %1 teeth; αn %2 needs at least %3 teeth (AGMA&apos;s table of least wheel teeth, Shigley chapter 15, row %4).</translation>
    </message>
    <message>
        <source>Helis açısı γ %1; %2 profil açısında en çok %3 olmalı (Mott, 8-10, %4 satırı).</source>
        <translation>The lead angle γ is %1; at a profile angle of %2 it should be at most %3 (Mott, 8-10, row %4).</translation>
    </message>
    <message>
        <source>Profil kaydırma x2 = %1 kullanılan aralığın dışında: %2 ile %3 arasında olmalı.</source>
        <translation>The profile shift x2 = %1 is outside the range in use: it should be from %2 to %3.</translation>
    </message>
    <message>
        <source>vida çapı</source>
        <translation>worm diameter</translation>
    </message>
    <message>
        <source>d1 = %1 mm, AGMA&apos;nın merkez mesafesine göre vida çapı aralığının dışında: %2 ile %3 mm (Shigley, denklem 15-27).</source>
        <translation>d1 = %1 mm is outside AGMA&apos;s worm diameter range for the centre distance: %2 to %3 mm (Shigley, Eq. 15-27).</translation>
    </message>
</context>
<context>
    <name>NamedListPage</name>
    <message>
        <source>&amp;Yeni</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ç&amp;oğalt</source>
        <translation>D&amp;uplicate</translation>
    </message>
    <message>
        <source>&amp;Sil</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>İçe &amp;Aktar…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>&amp;Dışa Aktar…</source>
        <translation>E&amp;xport…</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>ÇD = %1: tezgâhın dişli takımında var.</source>
        <translation>ÇD = %1: in the machine&apos;s gear set.</translation>
    </message>
    <message>
        <source>ÇD = %1: takımda yok. Tam diziler: %2</source>
        <translation>ÇD = %1: not in the set. Exact trains: %2</translation>
    </message>
    <message>
        <source>ÇD = %1: tam sayı değil. Tam diziler: %2</source>
        <translation>ÇD = %1: not whole. Exact trains: %2</translation>
    </message>
    <message>
        <source>ÇD = %1: takımdaki tek dişli GD&apos;de. Tam diziler: %2</source>
        <translation>ÇD = %1: the set&apos;s only one is GD. Exact trains: %2</translation>
    </message>
    <message>
        <source>Z2 = %1 ve z1 = %2 ortak bölenli; aşınma için %3 ya da %4 diş daha iyi.</source>
        <translation>Z2 = %1 and z1 = %2 share a factor; %3 or %4 teeth spread the wear.</translation>
    </message>
    <message>
        <source>Z2 = %1 için tam dişli dizisi yok.</source>
        <translation>No exact gear train for Z2 = %1.</translation>
    </message>
    <message>
        <source>Z2 = %1, z1 = %2 için tam dişli dizisi yok.</source>
        <translation>No exact gear train for Z2 = %1, z1 = %2.</translation>
    </message>
    <message numerus="yes">
        <source>Z2 = %1 için %n tam dizi: %2 basit, %3 bileşik.</source>
        <translation>
            <numerusform>%n exact train for Z2 = %1: %2 simple, %3 compound.</numerusform>
            <numerusform>%n exact trains for Z2 = %1: %2 simple, %3 compound.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Z2 = %1, z1 = %2 için %n tam dizi: %3 basit, %4 bileşik.</source>
        <translation>
            <numerusform>%n exact train for Z2 = %1, z1 = %2: %3 simple, %4 compound.</numerusform>
            <numerusform>%n exact trains for Z2 = %1, z1 = %2: %3 simple, %4 compound.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tam bileşik dizi tezgâha sığmadığı için listelenmedi.</source>
        <translation>
            <numerusform>%n exact compound train is not listed, as it does not fit the machine.</numerusform>
            <numerusform>%n exact compound trains are not listed, as they do not fit the machine.</numerusform>
        </translation>
    </message>
    <message>
        <source>«%1» artık dosyada yok: yerleşik tezgâh kullanılıyor.</source>
        <translation>«%1» is no longer in the file: the built-in machine is used.</translation>
    </message>
    <message>
        <source>Uyarı: ba = %1 mm, b2 = %2 mm&apos;den büyük.</source>
        <translation>Warning: ba = %1 mm is above b2 = %2 mm.</translation>
    </message>
    <message>
        <source>Uyarı: L = %1 mm, b1 = %2 mm&apos;den kısa.</source>
        <translation>Warning: L = %1 mm is shorter than b1 = %2 mm.</translation>
    </message>
    <message>
        <source>Uyarı: rk = %1 mm, boğaz yok.</source>
        <translation>Warning: rk = %1 mm, no throat.</translation>
    </message>
    <message>
        <source>Uyarı: dişlinin dip boşluğu %1 mm.</source>
        <translation>Warning: the wheel&apos;s bottom clearance is %1 mm.</translation>
    </message>
    <message>
        <source>Uyarı: vidanın dip boşluğu %1 mm.</source>
        <translation>Warning: the worm&apos;s bottom clearance is %1 mm.</translation>
    </message>
    <message numerus="yes">
        <source>+%n not</source>
        <translation>
            <numerusform>+%n note</numerusform>
            <numerusform>+%n notes</numerusform>
        </translation>
    </message>
    <message>
        <source>«%1» artık dosyada yok: yerleşik torna kullanılıyor.</source>
        <translation>«%1» is no longer in the file: the built-in lathe is used.</translation>
    </message>
    <message>
        <source>Uyarı: verilen yük değeri aşıyor (taşıma oranı %1, servis faktörü %2).</source>
        <translation>Warning: the load given exceeds the rating (load ratio %1, service factor %2).</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>Baskı Önizleme</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Yazdır</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>«%1» yüklenemedi: %2</source>
        <translation>«%1» could not be loaded: %2</translation>
    </message>
</context>
<context>
    <name>Rating</name>
    <message>
        <source>kum döküm</source>
        <translation>sand cast</translation>
    </message>
    <message>
        <source>kokil döküm</source>
        <translation>static chill cast</translation>
    </message>
    <message>
        <source>santrifüj döküm</source>
        <translation>centrifugally cast</translation>
    </message>
    <message>
        <source>Cm eğrisi %1&apos;ten büyük oranlar için yayımlandı; oran %2, bu aralığın dışında.</source>
        <translation>The Cm fit is published for ratios above %1; the ratio %2 is outside that range.</translation>
    </message>
    <message>
        <source>Kayma hızı %1 m/s: f ve Cv eğrilerinin tablosu %2 m/s&apos;de biter.</source>
        <translation>Sliding speed %1 m/s: the table of the f and Cv fits ends at %2 m/s.</translation>
    </message>
    <message>
        <source>Yağ sıcaklığı %1 °C, verilen sınır %2 °C&apos;nin üstünde.</source>
        <translation>The oil temperature %1 °C is above the limit given, %2 °C.</translation>
    </message>
    <message>
        <source>f = %1 sürtünmede vida dişliyi döndüremez: yük hesaplanmadı.</source>
        <translation>At a friction of f = %1 the worm cannot drive the wheel: no load was calculated.</translation>
    </message>
    <message>
        <source>f = %1 sürtünmede dişli sonsuz vidayı döndüremez; duruş sürtünmesi ve titreşim bunu değiştirir.</source>
        <translation>At a friction of f = %1 the wheel cannot drive the worm; friction at standstill and vibration change this.</translation>
    </message>
    <message>
        <source>N1 sıfırken verilen güçten moment çıkmaz: yük hesaplanmadı.</source>
        <translation>With N1 zero no torque follows from the power given: no load was calculated.</translation>
    </message>
    <message>
        <source>VİDA HELİS AÇISI (γ)</source>
        <translation>WORM LEAD ANGLE (γ)</translation>
    </message>
    <message>
        <source>NORMAL KAVRAMA AÇISI (αn)</source>
        <translation>NORMAL PRESSURE ANGLE (αn)</translation>
    </message>
    <message>
        <source>VİDA ÇEVRE HIZI (v1)</source>
        <translation>WORM PITCH-LINE SPEED (v1)</translation>
    </message>
    <message>
        <source>DİŞLİ ÇEVRE HIZI (v2)</source>
        <translation>WHEEL PITCH-LINE SPEED (v2)</translation>
    </message>
    <message>
        <source>KAYMA HIZI (vs)</source>
        <translation>SLIDING SPEED (vs)</translation>
    </message>
    <message>
        <source>SÜRTÜNME KATSAYISI (f)</source>
        <translation>COEFFICIENT OF FRICTION (f)</translation>
    </message>
    <message>
        <source>SÜRTÜNME AÇISI (ρ′)</source>
        <translation>FRICTION ANGLE (ρ′)</translation>
    </message>
    <message>
        <source>VERİM, VİDA SÜRERKEN (η)</source>
        <translation>EFFICIENCY, WORM DRIVING (η)</translation>
    </message>
    <message>
        <source>VERİM, DİŞLİ SÜRERKEN (η′)</source>
        <translation>EFFICIENCY, WHEEL DRIVING (η′)</translation>
    </message>
    <message>
        <source>GİRİŞ MOMENTİ (T1)</source>
        <translation>INPUT TORQUE (T1)</translation>
    </message>
    <message>
        <source>ÇIKIŞ MOMENTİ (T2)</source>
        <translation>OUTPUT TORQUE (T2)</translation>
    </message>
    <message>
        <source>GİRİŞ GÜCÜ (P1)</source>
        <translation>INPUT POWER (P1)</translation>
    </message>
    <message>
        <source>ÇIKIŞ GÜCÜ (P2)</source>
        <translation>OUTPUT POWER (P2)</translation>
    </message>
    <message>
        <source>GÜÇ KAYBI (Pv)</source>
        <translation>POWER LOSS (Pv)</translation>
    </message>
    <message>
        <source>DİŞLİ ÇEVRE KUVVETİ = VİDA EKSENEL KUVVETİ (Wt2)</source>
        <translation>WHEEL TANGENTIAL = WORM AXIAL FORCE (Wt2)</translation>
    </message>
    <message>
        <source>VİDA ÇEVRE KUVVETİ = DİŞLİ EKSENEL KUVVETİ (Wt1)</source>
        <translation>WORM TANGENTIAL = WHEEL AXIAL FORCE (Wt1)</translation>
    </message>
    <message>
        <source>AYIRMA KUVVETİ (Wr)</source>
        <translation>SEPARATING FORCE (Wr)</translation>
    </message>
    <message>
        <source>MALZEME FAKTÖRÜ (Cs)</source>
        <translation>MATERIALS FACTOR (Cs)</translation>
    </message>
    <message>
        <source>ORAN FAKTÖRÜ (Cm)</source>
        <translation>RATIO CORRECTION FACTOR (Cm)</translation>
    </message>
    <message>
        <source>HIZ FAKTÖRÜ (Cv)</source>
        <translation>VELOCITY FACTOR (Cv)</translation>
    </message>
    <message>
        <source>ETKİN DİŞ GENİŞLİĞİ (Fe)</source>
        <translation>EFFECTIVE FACE WIDTH (Fe)</translation>
    </message>
    <message>
        <source>İZİN VERİLEN ÇEVRE KUVVETİ (Wt,all)</source>
        <translation>ALLOWABLE TANGENTIAL LOAD (Wt,all)</translation>
    </message>
    <message>
        <source>TAŞINABİLEN ÇIKIŞ MOMENTİ</source>
        <translation>RATED OUTPUT TORQUE</translation>
    </message>
    <message>
        <source>TAŞINABİLEN ÇIKIŞ GÜCÜ (N1&apos;de)</source>
        <translation>RATED OUTPUT POWER (at N1)</translation>
    </message>
    <message>
        <source>ISI GEÇİŞ KATSAYISI (h)</source>
        <translation>HEAT TRANSFER COEFFICIENT (h)</translation>
    </message>
    <message>
        <source>GÖVDE YAN YÜZEYİ (A)</source>
        <translation>HOUSING LATERAL AREA (A)</translation>
    </message>
    <message>
        <source>YAĞ SICAKLIĞI (ts)</source>
        <translation>OIL SUMP TEMPERATURE (ts)</translation>
    </message>
    <message>
        <source>atan(z1·m ÷ d1)</source>
        <translation>atan(z1·m ÷ d1)</translation>
    </message>
    <message>
        <source>atan(tan αx · cos γ), αx profil açısı</source>
        <translation>atan(tan αx · cos γ), αx the profile angle</translation>
    </message>
    <message>
        <source>v1 ÷ cos γ</source>
        <translation>v1 ÷ cos γ</translation>
    </message>
    <message>
        <source>kullanıcının ölçtüğü değer</source>
        <translation>the user&apos;s measured value</translation>
    </message>
    <message>
        <source>AGMA eğrisi, kayma hızına göre</source>
        <translation>AGMA fit, by the sliding speed</translation>
    </message>
    <message>
        <source>atan(f ÷ cos αn)</source>
        <translation>atan(f ÷ cos αn)</translation>
    </message>
    <message>
        <source>(cos αn − f·cot γ) ÷ (cos αn + f·tan γ)</source>
        <translation>(cos αn − f·cot γ) ÷ (cos αn + f·tan γ)</translation>
    </message>
    <message>
        <source>verilen P1&apos;den</source>
        <translation>from the P1 given</translation>
    </message>
    <message>
        <source>T2 ÷ (i·η)</source>
        <translation>T2 ÷ (i·η)</translation>
    </message>
    <message>
        <source>verilen</source>
        <translation>given</translation>
    </message>
    <message>
        <source>P2 ÷ ω2</source>
        <translation>P2 ÷ ω2</translation>
    </message>
    <message>
        <source>T1·ω1</source>
        <translation>T1·ω1</translation>
    </message>
    <message>
        <source>η·P1</source>
        <translation>η·P1</translation>
    </message>
    <message>
        <source>T2·ω2</source>
        <translation>T2·ω2</translation>
    </message>
    <message>
        <source>P1 − P2</source>
        <translation>P1 − P2</translation>
    </message>
    <message>
        <source>2·T2 ÷ d2</source>
        <translation>2·T2 ÷ d2</translation>
    </message>
    <message>
        <source>Wt2·(cos αn·sin γ + f·cos γ) ÷ (cos αn·cos γ − f·sin γ)</source>
        <translation>Wt2·(cos αn·sin γ + f·cos γ) ÷ (cos αn·cos γ − f·sin γ)</translation>
    </message>
    <message>
        <source>Wt2·sin αn ÷ (cos αn·cos γ − f·sin γ)</source>
        <translation>Wt2·sin αn ÷ (cos αn·cos γ − f·sin γ)</translation>
    </message>
    <message>
        <source>bronz dişli, %1; merkez mesafesine ve d2&apos;ye göre</source>
        <translation>bronze wheel, %1; by the centre distance and d2</translation>
    </message>
    <message>
        <source>i = %1 oranına göre</source>
        <translation>by the ratio i = %1</translation>
    </message>
    <message>
        <source>kayma hızına göre</source>
        <translation>by the sliding speed</translation>
    </message>
    <message>
        <source>verilen genişlik, en çok %1·d1</source>
        <translation>the width given, at most %1·d1</translation>
    </message>
    <message>
        <source>ba, en çok %1·d1</source>
        <translation>ba, at most %1·d1</translation>
    </message>
    <message>
        <source>Cs·d2^%1·Fe·Cm·Cv (lbf, inç)</source>
        <translation>Cs·d2^%1·Fe·Cm·Cv (lbf, in)</translation>
    </message>
    <message>
        <source>Wt,all·d2 ÷ 2</source>
        <translation>Wt,all·d2 ÷ 2</translation>
    </message>
    <message>
        <source>taşınabilen moment·ω2</source>
        <translation>rated torque·ω2</translation>
    </message>
    <message>
        <source>servis faktörü %1</source>
        <translation>service factor %1</translation>
    </message>
    <message>
        <source>AGMA eğrisi, vida milinde fanla</source>
        <translation>AGMA fit, with a fan on the worm shaft</translation>
    </message>
    <message>
        <source>AGMA eğrisi, fansız</source>
        <translation>AGMA fit, without a fan</translation>
    </message>
    <message>
        <source>AGMA en küçük alanı, merkez mesafesinden</source>
        <translation>AGMA minimum area, from the centre distance</translation>
    </message>
    <message>
        <source>ta + Pv ÷ (h·A), ta = %1 °C</source>
        <translation>ta + Pv ÷ (h·A), ta = %1 °C</translation>
    </message>
    <message>
        <source>π·d1·N1 ÷ %1</source>
        <translation>π·d1·N1 ÷ %1</translation>
    </message>
    <message>
        <source>π·d2·N2 ÷ %1</source>
        <translation>π·d2·N2 ÷ %1</translation>
    </message>
    <message>
        <source>(cos αn − f·tan γ) ÷ (cos αn + f·cot γ); yalnız kavramanın verimi, yataklar ve keçeler hariç</source>
        <translation>(cos αn − f·tan γ) ÷ (cos αn + f·cot γ); the mesh&apos;s efficiency only, bearings and seals left out</translation>
    </message>
    <message>
        <source>yüzey dayanımı</source>
        <translation>surface durability</translation>
    </message>
    <message>
        <source>diş eğilmesi</source>
        <translation>tooth bending</translation>
    </message>
    <message>
        <source>vida mili sehimi</source>
        <translation>worm shaft deflection</translation>
    </message>
    <message>
        <source>VİDA ÇAPININ ALT SINIRI</source>
        <translation>WORM DIAMETER, LOWER END</translation>
    </message>
    <message>
        <source>VİDA ÇAPININ ÜST SINIRI</source>
        <translation>WORM DIAMETER, UPPER END</translation>
    </message>
    <message>
        <source>YÜZEY DAYANIMININ MOMENTİ</source>
        <translation>TORQUE OF SURFACE DURABILITY</translation>
    </message>
    <message>
        <source>LEWIS FORM FAKTÖRÜ (y)</source>
        <translation>LEWIS FORM FACTOR (y)</translation>
    </message>
    <message>
        <source>NORMAL ADIM (pn)</source>
        <translation>NORMAL PITCH (pn)</translation>
    </message>
    <message>
        <source>DİŞ DİBİ EĞİLME GERİLMESİ (σ)</source>
        <translation>TOOTH BENDING STRESS (σ)</translation>
    </message>
    <message>
        <source>İZİN VERİLEN EĞİLME GERİLMESİ (σall)</source>
        <translation>ALLOWABLE BENDING STRESS (σall)</translation>
    </message>
    <message>
        <source>EĞİLME ORANI (σ ÷ σall)</source>
        <translation>BENDING RATIO (σ ÷ σall)</translation>
    </message>
    <message>
        <source>DİŞ EĞİLMESİNİN MOMENTİ</source>
        <translation>TORQUE OF TOOTH BENDING</translation>
    </message>
    <message>
        <source>VİDA MİLİNE GELEN KUVVET (F)</source>
        <translation>FORCE ON THE WORM SHAFT (F)</translation>
    </message>
    <message>
        <source>YATAK ARALIĞI (l)</source>
        <translation>BEARING SPAN (l)</translation>
    </message>
    <message>
        <source>DİŞ DİBİ KESİTİNİN ATALET MOMENTİ (I)</source>
        <translation>SECOND MOMENT OF THE ROOT SECTION (I)</translation>
    </message>
    <message>
        <source>VİDA MİLİ SEHİMİ (y)</source>
        <translation>WORM SHAFT DEFLECTION (y)</translation>
    </message>
    <message>
        <source>İZİN VERİLEN SEHİM (yall)</source>
        <translation>ALLOWABLE DEFLECTION (yall)</translation>
    </message>
    <message>
        <source>SEHİM ORANI (y ÷ yall)</source>
        <translation>DEFLECTION RATIO (y ÷ yall)</translation>
    </message>
    <message>
        <source>VİDA MİLİ SEHİMİNİN MOMENTİ</source>
        <translation>TORQUE OF WORM SHAFT DEFLECTION</translation>
    </message>
    <message>
        <source>TAŞIMA ORANI (taşınabilen ÷ T2)</source>
        <translation>LOAD RATIO (rated ÷ T2)</translation>
    </message>
    <message>
        <source>d1 = %1 mm, aralığın altında</source>
        <translation>d1 = %1 mm, below the range</translation>
    </message>
    <message>
        <source>d1 = %1 mm, aralığın üstünde</source>
        <translation>d1 = %1 mm, above the range</translation>
    </message>
    <message>
        <source>d1 = %1 mm, aralığın içinde</source>
        <translation>d1 = %1 mm, within the range</translation>
    </message>
    <message>
        <source>C^%1 ÷ 3 (C, d inç), Shigley, denklem 15-27</source>
        <translation>C^%1 ÷ 3 (C, d in inches), Shigley, Eq. 15-27</translation>
    </message>
    <message>
        <source>C^%1 ÷ %2; %3</source>
        <translation>C^%1 ÷ %2; %3</translation>
    </message>
    <message>
        <source>αn&apos;ye göre, Shigley&apos;nin sonsuz vida dişlisi için Lewis tablosu (14,5°: 0,100 … 30°: 0,175)</source>
        <translation>by αn, Shigley&apos;s Lewis table for worm gears (14.5°: 0.100 … 30°: 0.175)</translation>
    </message>
    <message>
        <source>π·m·cos γ</source>
        <translation>π·m·cos γ</translation>
    </message>
    <message>
        <source>Wt2 ÷ (pn·Fe·y), Lewis denkleminin sonsuz vida dişlisine uyarlaması (Shigley)</source>
        <translation>Wt2 ÷ (pn·Fe·y), the Lewis equation adapted to worm gears (Shigley)</translation>
    </message>
    <message>
        <source>verilen, dişlinin bronzu için</source>
        <translation>given, for the wheel&apos;s bronze</translation>
    </message>
    <message>
        <source>1&apos;in üstünde diş eğilmesi sınırı aşılır</source>
        <translation>above 1 the tooth bending limit is exceeded</translation>
    </message>
    <message>
        <source>σall·pn·Fe·y·d2 ÷ 2</source>
        <translation>σall·pn·Fe·y·d2 ÷ 2</translation>
    </message>
    <message>
        <source>√(Wt1² + Wr²)</source>
        <translation>√(Wt1² + Wr²)</translation>
    </message>
    <message>
        <source>%1 × vida boyu L, vida yataklar arasında ortada (Autodesk Inventor)</source>
        <translation>%1 × the worm length L, the worm midway between its bearings (Autodesk Inventor)</translation>
    </message>
    <message>
        <source>π·df1⁴ ÷ 64</source>
        <translation>π·df1⁴ ÷ 64</translation>
    </message>
    <message>
        <source>F·l³ ÷ (48·E·I), E = %1 N/mm² (çelik, Callister Tablo B.2)</source>
        <translation>F·l³ ÷ (48·E·I), E = %1 N/mm² (steel, Callister Table B.2)</translation>
    </message>
    <message>
        <source>%1·m, sertleştirilmiş vida (Autodesk Inventor)</source>
        <translation>%1·m, hardened worm (Autodesk Inventor)</translation>
    </message>
    <message>
        <source>%1·m, ıslah edilmiş vida (Autodesk Inventor)</source>
        <translation>%1·m, heat-treated worm (Autodesk Inventor)</translation>
    </message>
    <message>
        <source>1&apos;in üstünde vida mili sehim sınırı aşılır</source>
        <translation>above 1 the worm shaft deflection limit is exceeded</translation>
    </message>
    <message>
        <source>y = yall olan moment</source>
        <translation>the torque at which y = yall</translation>
    </message>
    <message>
        <source>sınırların en küçüğü; sınırlayan: %1</source>
        <translation>the least of the limits; governed by %1</translation>
    </message>
    <message>
        <source>Verilen yük, %3 sınırını aşıyor: taşıma oranı %1, servis faktörü %2.</source>
        <translation>The load given exceeds the %3 limit: load ratio %1, service factor %2.</translation>
    </message>
    <message>
        <source>AGMA yöntemi (Shigley, 15. bölüm).</source>
        <translation>The AGMA method (Shigley, chapter 15).</translation>
    </message>
    <message>
        <source>AGMA&apos;nın bu merkez mesafesi için vida çapı aralığı %1 … %2 mm (Shigley, denklem 15-27); %3.</source>
        <translation>AGMA&apos;s worm diameter range for this centre distance: %1 … %2 mm (Shigley, Eq. 15-27); %3.</translation>
    </message>
</context>
<context>
    <name>RatingWindow</name>
    <message>
        <source>ÇIKIŞ MOMENTİ T2 (N·m)</source>
        <translation>OUTPUT TORQUE T2 (N·m)</translation>
    </message>
    <message>
        <source>GİRİŞ GÜCÜ P1 (kW)</source>
        <translation>INPUT POWER P1 (kW)</translation>
    </message>
    <message>
        <source>SERVİS FAKTÖRÜ</source>
        <translation>SERVICE FACTOR</translation>
    </message>
    <message>
        <source>DİŞLİNİN DÖKÜMÜ</source>
        <translation>WHEEL CASTING</translation>
    </message>
    <message>
        <source>DİŞ GENİŞLİĞİ (mm; boşsa ba)</source>
        <translation>FACE WIDTH (mm; empty: ba)</translation>
    </message>
    <message>
        <source>SÜRTÜNME KATSAYISI (boşsa AGMA eğrisi)</source>
        <translation>COEFFICIENT OF FRICTION (empty: the AGMA fit)</translation>
    </message>
    <message>
        <source>VİDA MİLİNDE FAN</source>
        <translation>FAN ON THE WORM SHAFT</translation>
    </message>
    <message>
        <source>GÖVDE YAN YÜZEYİ (m²; boşsa AGMA en küçüğü)</source>
        <translation>HOUSING LATERAL AREA (m²; empty: the AGMA minimum)</translation>
    </message>
    <message>
        <source>ORTAM SICAKLIĞI (°C)</source>
        <translation>AMBIENT TEMPERATURE (°C)</translation>
    </message>
    <message>
        <source>YAĞ SICAKLIĞI SINIRI (°C; boşsa yok)</source>
        <translation>OIL TEMPERATURE LIMIT (°C; empty: none)</translation>
    </message>
    <message>
        <source>Ölçü</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Değer</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Birim</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Kural</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>«YÜK» boş ya da sıfırdan büyük bir sayı olmalı.</source>
        <translation>«LOAD» must be empty or a number above zero.</translation>
    </message>
    <message>
        <source>«DİŞ GENİŞLİĞİ» boş ya da sıfırdan büyük bir sayı olmalı.</source>
        <translation>«FACE WIDTH» must be empty or a number above zero.</translation>
    </message>
    <message>
        <source>«GÖVDE YAN YÜZEYİ» boş ya da sıfırdan büyük bir sayı olmalı.</source>
        <translation>«HOUSING LATERAL AREA» must be empty or a number above zero.</translation>
    </message>
    <message>
        <source>«ORTAM SICAKLIĞI» %1 ile %2 °C arasında bir sayı olmalı.</source>
        <translation>«AMBIENT TEMPERATURE» must be a number from %1 to %2 °C.</translation>
    </message>
    <message>
        <source>«YAĞ SICAKLIĞI SINIRI» boş ya da %1 ile %2 °C arasında bir sayı olmalı.</source>
        <translation>«OIL TEMPERATURE LIMIT» must be empty or a number from %1 to %2 °C.</translation>
    </message>
    <message>
        <source>Yük verilmedi: kuvvetler, güçler ve yağ sıcaklığı için T2 ya da P1 yazın.</source>
        <translation>No load given: type T2 or P1 for the forces, the powers and the oil temperature.</translation>
    </message>
    <message>
        <source>Uyarı: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>YÜK (boşsa yalnız hızlar, verim ve taşıma değeri)</source>
        <translation>LOAD (empty: only the speeds, efficiency and rating)</translation>
    </message>
    <message>
        <source>YÜK</source>
        <translation>LOAD</translation>
    </message>
    <message>
        <source>DİŞ GENİŞLİĞİ</source>
        <translation>FACE WIDTH</translation>
    </message>
    <message>
        <source>SÜRTÜNME KATSAYISI</source>
        <translation>COEFFICIENT OF FRICTION</translation>
    </message>
    <message>
        <source>GÖVDE YAN YÜZEYİ</source>
        <translation>HOUSING LATERAL AREA</translation>
    </message>
    <message>
        <source>ORTAM SICAKLIĞI</source>
        <translation>AMBIENT TEMPERATURE</translation>
    </message>
    <message>
        <source>YAĞ SICAKLIĞI SINIRI</source>
        <translation>OIL TEMPERATURE LIMIT</translation>
    </message>
    <message>
        <source>«SERVİS FAKTÖRÜ» %1 ile %2 arasında olmalı.</source>
        <translation>«SERVICE FACTOR» must lie between %1 and %2.</translation>
    </message>
    <message>
        <source>VERİM VE YÜK</source>
        <translation>EFFICIENCY AND LOAD</translation>
    </message>
    <message>
        <source>Yanındaki yük alanının çıkış momenti mi, giriş gücü mü olduğunu seçer.</source>
        <translation>Chooses whether the load field beside it is the output torque or the input power.</translation>
    </message>
    <message>
        <source>«SÜRTÜNME KATSAYISI» boş ya da %1 ile %2 arasında olmalı.</source>
        <translation>«COEFFICIENT OF FRICTION» must be empty or from %1 to below %2.</translation>
    </message>
    <message>
        <source>VİDA YATAK ARALIĞI (mm; boşsa 2,5 × L)</source>
        <translation>WORM BEARING SPAN (mm; empty: 2.5 × L)</translation>
    </message>
    <message>
        <source>VİDA SERTLEŞTİRİLMİŞ (değilse ıslah edilmiş)</source>
        <translation>WORM HARDENED (else heat-treated)</translation>
    </message>
    <message>
        <source>VİDA YATAK ARALIĞI</source>
        <translation>WORM BEARING SPAN</translation>
    </message>
    <message>
        <source>İZİN VERİLEN EĞİLME GERİLMESİ</source>
        <translation>ALLOWABLE BENDING STRESS</translation>
    </message>
    <message>
        <source>«VİDA YATAK ARALIĞI» boş ya da sıfırdan büyük bir sayı olmalı.</source>
        <translation>«WORM BEARING SPAN» must be empty or a number above zero.</translation>
    </message>
    <message>
        <source>«İZİN VERİLEN EĞİLME GERİLMESİ» boş ya da sıfırdan büyük bir sayı olmalı.</source>
        <translation>«ALLOWABLE BENDING STRESS» must be empty or a number above zero.</translation>
    </message>
    <message>
        <source>İZİN VERİLEN EĞİLME GERİLMESİ σall (MPa; boşsa yok)</source>
        <translation>ALLOWABLE BENDING STRESS σall (MPa; empty: none)</translation>
    </message>
</context>
<context>
    <name>Selection</name>
    <message>
        <source>%1 kW, %2 kutup, %3 d/dk</source>
        <translation>%1 kW, %2 poles, %3 rpm</translation>
    </message>
    <message>
        <source>%1 kW, %2 kutup, %3 d/dk, gövde %4</source>
        <translation>%1 kW, %2 poles, %3 rpm, frame %4</translation>
    </message>
    <message>
        <source>MOTORA GÖRE SEÇİM TABLOSU</source>
        <translation>SELECTION TABLE BY MOTOR</translation>
    </message>
    <message>
        <source>M2 = 9550·P·η ÷ n2; fs = redüktörün mekanik taşıma momenti ÷ M2, en az %1 olanlar listelendi; «ısıl»: motor gücü P1,th&apos;nin üstünde, redüktör ısı için denetlenmeli (fan, daha kısa çalışma).</source>
        <translation>M2 = 9550·P·η ÷ n2; fs = the unit&apos;s mechanical rated torque ÷ M2, those of at least %1 listed; «heat»: the motor&apos;s power above P1,th, the unit must be checked for heat (a fan, a shorter duty).</translation>
    </message>
    <message>
        <source>n2 (d/dk)</source>
        <translation>n2 (rpm)</translation>
    </message>
    <message>
        <source>M2 (N·m)</source>
        <translation>M2 (N·m)</translation>
    </message>
    <message>
        <source>fs</source>
        <translation>fs</translation>
    </message>
    <message>
        <source>η (%)</source>
        <translation>η (%)</translation>
    </message>
    <message>
        <source>P1,th (kW)</source>
        <translation>P1,th (kW)</translation>
    </message>
    <message>
        <source>Isı</source>
        <translation>Heat</translation>
    </message>
    <message>
        <source>ısıl</source>
        <translation>heat</translation>
    </message>
    <message>
        <source>Bu motor için fs en azını tutan redüktör yok.</source>
        <translation>No unit reaches the least fs for this motor.</translation>
    </message>
    <message>
        <source>GÖVDE SAYFALARI</source>
        <translation>PAGES PER HOUSING</translation>
    </message>
    <message>
        <source>n2 @ %1</source>
        <translation>n2 @ %1</translation>
    </message>
    <message>
        <source>T2 @ %1</source>
        <translation>T2 @ %1</translation>
    </message>
    <message>
        <source>P1 @ %1</source>
        <translation>P1 @ %1</translation>
    </message>
    <message>
        <source>η @ %1</source>
        <translation>η @ %1</translation>
    </message>
    <message>
        <source>Sınırlayan @ %1</source>
        <translation>Governed by @ %1</translation>
    </message>
    <message>
        <source>Gövde a = %1 mm</source>
        <translation>Housing a = %1 mm</translation>
    </message>
    <message>
        <source>i %1: %2</source>
        <translation>i %1: %2</translation>
    </message>
    <message>
        <source>i %1, N1 %2: %3</source>
        <translation>i %1, N1 %2: %3</translation>
    </message>
    <message>
        <source>%1 noktalı virgülle ayrılmış, sıfırdan büyük ve en çok %2 kW güçler olmalı.</source>
        <translation>%1 must be powers above zero and at most %2 kW, separated by semicolons.</translation>
    </message>
    <message>
        <source>%1 %2 ile %3 arasında olmalı.</source>
        <translation>%1 must lie between %2 and %3.</translation>
    </message>
</context>
<context>
    <name>ToolWindow</name>
    <message>
        <source>%1 — m = %2, Z2 = %3, z1 = %4</source>
        <translation>%1 — m = %2, Z2 = %3, z1 = %4</translation>
    </message>
    <message>
        <source>%1 — m = %2, z1 = %3</source>
        <translation>%1 — m = %2, z1 = %3</translation>
    </message>
</context>
<context>
    <name>Turner</name>
    <message>
        <source>BOĞAZ YARIÇAPI (rk)</source>
        <translation>THROAT RADIUS (rk)</translation>
    </message>
    <message>
        <source>EN BÜYÜK DIŞ ÇAP (de2)</source>
        <translation>LARGEST OUTER DIAMETER (de2)</translation>
    </message>
    <message>
        <source>EN BÜYÜK DİŞLİ GENİŞLİĞİ (b2)</source>
        <translation>LARGEST FACE WIDTH (b2)</translation>
    </message>
    <message>
        <source>EN KISA VİDA BOYU (b1)</source>
        <translation>SHORTEST WORM LENGTH (b1)</translation>
    </message>
    <message>
        <source>EKSENEL ADIM (px)</source>
        <translation>AXIAL PITCH (px)</translation>
    </message>
    <message>
        <source>EKSENEL DİŞ KALINLIĞI (sx)</source>
        <translation>AXIAL THREAD THICKNESS (sx)</translation>
    </message>
    <message>
        <source>NORMAL KORDAL KALINLIK (s̄)</source>
        <translation>NORMAL CHORDAL THICKNESS (s̄)</translation>
    </message>
    <message>
        <source>KORDAL YÜKSEKLİK (h̄a)</source>
        <translation>CHORDAL HEIGHT (h̄a)</translation>
    </message>
    <message>
        <source>EN UYGUN TEL (W)</source>
        <translation>BEST WIRE (W)</translation>
    </message>
    <message>
        <source>TELLER ÜZERİNDEN ÖLÇÜ (M)</source>
        <translation>MEASUREMENT OVER WIRES (M)</translation>
    </message>
    <message>
        <source>Dişli genişliği ba = %1 mm, en büyük b2 = %2 mm&apos;den büyük.</source>
        <translation>The face width ba = %1 mm is above the largest b2 = %2 mm.</translation>
    </message>
    <message>
        <source>Vida boyu L = %1 mm, en kısa b1 = %2 mm&apos;den kısa.</source>
        <translation>The worm length L = %1 mm is below the shortest b1 = %2 mm.</translation>
    </message>
    <message>
        <source>Boğaz yarıçapı rk = %1 mm, %2 mm&apos;den büyük değil.</source>
        <translation>The throat radius rk = %1 mm is not above %2 mm.</translation>
    </message>
    <message>
        <source>Dişlinin diş dibi boşluğu A − da1 ÷ 2 − df2 ÷ 2 = %1 mm, %2 mm&apos;den büyük değil.</source>
        <translation>The wheel&apos;s bottom clearance A − da1 ÷ 2 − df2 ÷ 2 = %1 mm is not above %2 mm.</translation>
    </message>
    <message>
        <source>Vidanın diş dibi boşluğu A − da2 ÷ 2 − df1 ÷ 2 = %1 mm, %2 mm&apos;den büyük değil.</source>
        <translation>The worm&apos;s bottom clearance A − da2 ÷ 2 − df1 ÷ 2 = %1 mm is not above %2 mm.</translation>
    </message>
    <message>
        <source>Ağız sayısı çift: bir yandaki iki tel aynı ağzın oluklarına, bir helis adımı arayla oturur.</source>
        <translation>The starts are even: the two wires on one side sit in the grooves of one start, a lead apart.</translation>
    </message>
    <message>
        <source>%1 Bu vidada yanaklara değen tel yok.</source>
        <translation>%1 No wire touches the flanks of this worm.</translation>
    </message>
    <message>
        <source>%1 Bu vida için tel çapı %2 ile %3 mm arasında olmalı.</source>
        <translation>%1 For this worm the wire must be between %2 and %3 mm.</translation>
    </message>
    <message>
        <source>TELİN DEĞME ÇAPI (dc)</source>
        <translation>WIRE CONTACT DIAMETER (dc)</translation>
    </message>
    <message>
        <source>%1 (z1 = %2 kuralı: tablo z1 = %2&apos;e kadar)</source>
        <translation>%1 (the z1 = %2 rule: the table ends at z1 = %2)</translation>
    </message>
    <message>
        <source>M: tel iki yanağa değer, ekseni d1&apos;deki γ açısında (sayısal çözüm)</source>
        <translation>M: the wire touches both flanks, its axis at γ of d1 (solved numerically)</translation>
    </message>
    <message>
        <source>df1 ≤ dc ≤ da1</source>
        <translation>df1 ≤ dc ≤ da1</translation>
    </message>
    <message>
        <source>Tel yanaklara değmeden dişin üst kenarına (da1 = %1 mm) dayanıyor; M bir şey ölçmez.</source>
        <translation>The wire rests on the thread&apos;s tip edge (da1 = %1 mm) without touching the flanks; M measures nothing.</translation>
    </message>
    <message>
        <source>Tel yanaklara değmeden diş dibine (df1 = %1 mm) dayanıyor; M bir şey ölçmez.</source>
        <translation>The wire rests on the root (df1 = %1 mm) without touching the flanks; M measures nothing.</translation>
    </message>
    <message>
        <source>Diş inceltmesi, dişin taşıyabileceğinden fazla: en çok inceltme sx ÷ 2 = %1 µm&apos;den az olmalı. M&apos;nin sınırları verilmedi.</source>
        <translation>The thread thinning is more than the thread can take: the most thinning must be below sx ÷ 2 = %1 µm. M&apos;s limits are not given.</translation>
    </message>
</context>
<context>
    <name>TurnerWindow</name>
    <message>
        <source>PROFİL AÇISI (α, derece)</source>
        <translation>PROFILE ANGLE (α, degrees)</translation>
    </message>
    <message>
        <source>TEL ÇAPI (mm; boşsa en uygun tel)</source>
        <translation>WIRE DIAMETER (mm; empty: the best wire)</translation>
    </message>
    <message>
        <source>Ölçü</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Değer</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Birim</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Kural</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>«PROFİL AÇISI (α)» %1 ile %2 derece arasında bir sayı olmalı.</source>
        <translation>«PROFILE ANGLE (α)» must be a number from %1 to %2 degrees.</translation>
    </message>
    <message>
        <source>«TEL ÇAPI» boş ya da sıfırdan büyük bir sayı olmalı.</source>
        <translation>«WIRE DIAMETER» must be empty or a number above zero.</translation>
    </message>
    <message>
        <source>En uygun tel: %1 mm.</source>
        <translation>Best wire: %1 mm.</translation>
    </message>
    <message>
        <source>Tel: %1 mm.</source>
        <translation>Wire: %1 mm.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Uyarı: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>TASLAK VE KONTROL</source>
        <translation>BLANK AND CHECKS</translation>
    </message>
    <message>
        <source>DİŞ İNCELTMESİ sx (µm; en az, en çok)</source>
        <translation>THREAD THINNING sx (µm; least, most)</translation>
    </message>
    <message>
        <source>Diş kalınlığının en az inceltmesi (µm)</source>
        <translation>Least thinning of the thread thickness (µm)</translation>
    </message>
    <message>
        <source>Diş kalınlığının en çok inceltmesi (µm)</source>
        <translation>Most thinning of the thread thickness (µm)</translation>
    </message>
    <message>
        <source>«DİŞ İNCELTMESİ» iki ucu da sıfır ya da sıfırdan büyük bir sayı olmalı ve en az, en çoktan büyük olmamalı; M&apos;nin sınırları verilmedi.</source>
        <translation>Both ends of «THREAD THINNING» must be numbers of zero or above, the least not above the most; M&apos;s limits are not given.</translation>
    </message>
</context>
</TS>
