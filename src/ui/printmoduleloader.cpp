#include "ui/printmoduleloader.h"

#include <QCoreApplication>

#include <QDir>
#include <QLibrary>

QStringList printModulePlaces(const QString& programDir) {
    const QString name = QStringLiteral(ZORVANDI_PRINT_MODULE_NAME);
    return {
        QDir::cleanPath(programDir + QStringLiteral("/" ZORVANDI_PRINT_MODULE_RELDIR "/") + name),
        QDir::cleanPath(programDir + QLatin1Char('/') + name),
    };
}

PrintModuleLoad loadPrintModule(const QString& programDir, const QPageLayout& layout) {
    PrintModuleLoad load;
    for (const QString& path : printModulePlaces(programDir)) {
        QLibrary module(path);
        const auto make =
            reinterpret_cast<MakePrintService>(module.resolve(makePrintServiceSymbol));
        if (make != nullptr) {
            load.service.reset(make(layout));
            load.path = path;
            return load;
        }
        load.failures.append(QCoreApplication::translate("PrintModule", "«%1» yüklenemedi: %2")
                                 .arg(QDir::toNativeSeparators(path), module.errorString()));
    }
    return load;
}
