#include "ui/namedlistpage.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

NamedListPage::NamedListPage(std::unique_ptr<EntryKind> kind, const QString& chosen,
                             const QString& listName, const QString& infix, QWidget* parent)
    : QWidget(parent)
    , m_kind(std::move(kind)) {
    for (qsizetype i = 0; i < m_kind->size(); ++i) {
        m_ids.append(m_nextId++);
        if (!chosen.isEmpty() && m_kind->name(i) == chosen) {
            m_chosen = m_ids.back();
        }
    }
    m_list = new QListWidget(this);
    m_list->setObjectName(listName);
    auto* add = new QPushButton(tr("&Yeni"), this);
    m_duplicate = new QPushButton(tr("Ç&oğalt"), this);
    m_remove = new QPushButton(tr("&Sil"), this);
    auto* import = new QPushButton(tr("İçe &Aktar…"), this);
    auto* exportButton = new QPushButton(tr("&Dışa Aktar…"), this);
    const auto named = [&infix](const char* verb) {
        return QStringLiteral("%1%2Button").arg(QString::fromLatin1(verb), infix);
    };
    add->setObjectName(named("new"));
    m_duplicate->setObjectName(named("duplicate"));
    m_remove->setObjectName(named("remove"));
    import->setObjectName(named("import"));
    exportButton->setObjectName(named("export"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, m_duplicate, m_remove, import, exportButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(m_list, 1);
    top->addWidget(m_kind->fields(), 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    m_kind->onEdit([this] { takeEdits(); });
    connect(m_list, &QListWidget::currentRowChanged, this, &NamedListPage::showEntry);
    connect(add, &QPushButton::clicked, this, &NamedListPage::addNew);
    connect(m_duplicate, &QPushButton::clicked, this, &NamedListPage::duplicate);
    connect(m_remove, &QPushButton::clicked, this, &NamedListPage::remove);
    connect(import, &QPushButton::clicked, this, &NamedListPage::importRequested);
    connect(exportButton, &QPushButton::clicked, this, &NamedListPage::exportRequested);

    refreshList(m_chosen ? rowOf(m_ids.indexOf(*m_chosen)) : 0);
}

NamedListPage::~NamedListPage() = default;

std::optional<qsizetype> NamedListPage::entryAt(int row) const {
    const int first = rowOf(0);
    if (row >= first && row < first + m_kind->size()) {
        return row - first;
    }
    return std::nullopt;
}

QString NamedListPage::chosen() const {
    const qsizetype i = m_chosen ? m_ids.indexOf(*m_chosen) : -1;
    return i >= 0 ? m_kind->name(i) : QString();
}

void NamedListPage::refreshList(int select) {
    m_filling = true;
    m_list->clear();
    if (m_kind->hasBuiltIn()) {
        m_list->addItem(m_kind->builtInName());
    }
    for (qsizetype i = 0; i < m_kind->size(); ++i) {
        m_list->addItem(m_kind->name(i));
    }
    m_filling = false;
    markFaults();
    m_list->setCurrentRow(select);
    if (m_list->count() == 0) {
        showEntry(-1);
    }
}

// An entry whose texts break a rule carries a mark and, as its tooltip, the reason.
void NamedListPage::markFaults() {
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (qsizetype i = 0; i < m_kind->size(); ++i) {
        if (QListWidgetItem* item = m_list->item(rowOf(i))) {
            const QString reason = m_kind->fault(i);
            item->setIcon(reason.isEmpty() ? QIcon() : warning);
            item->setToolTip(reason);
        }
    }
}

void NamedListPage::showEntry(int row) {
    if (m_filling) {
        return;
    }
    m_kind->show(entryAt(row));
    // The built-in entry can be duplicated, never changed.
    m_remove->setEnabled(entryAt(row).has_value());
    m_duplicate->setEnabled(row >= 0 && (m_kind->hasBuiltIn() || entryAt(row)));
}

void NamedListPage::takeEdits() {
    const auto i = entryAt(m_list->currentRow());
    if (!i) {
        return;
    }
    m_changed = true;
    m_kind->take(*i);
    m_list->currentItem()->setText(m_kind->name(*i));
    markFaults();
}

QStringList NamedListPage::faults() {
    QStringList reasons;
    int first = -1;
    for (qsizetype i = 0; i < m_kind->size(); ++i) {
        const QString reason = m_kind->fault(i);
        if (!reason.isEmpty()) {
            first = first < 0 ? rowOf(i) : first;
            reasons.append(reason);
        }
    }
    if (reasons.isEmpty()) {
        if (const auto clash = m_kind->clash()) {
            first = rowOf(clash->first);
            reasons.append(clash->second);
        }
    }
    if (first >= 0) {
        m_list->setCurrentRow(first);
    }
    return reasons;
}

void NamedListPage::addNew() {
    m_kind->appendNew();
    m_ids.append(m_nextId++);
    m_changed = true;
    refreshList(rowOf(m_kind->size() - 1));
}

void NamedListPage::duplicate() {
    m_kind->appendCopy(entryAt(m_list->currentRow()));
    m_ids.append(m_nextId++);
    m_changed = true;
    refreshList(rowOf(m_kind->size() - 1));
}

void NamedListPage::remove() {
    const int row = m_list->currentRow();
    const auto i = entryAt(row);
    if (!i) {
        return;
    }
    if (m_chosen == m_ids.at(*i)) {
        m_chosen.reset();
    }
    m_kind->remove(*i);
    m_ids.removeAt(*i);
    m_changed = true;
    refreshList(std::max(row - 1, 0));
}

QStringList NamedListPage::import(const MachineBook& book) {
    const qsizetype before = m_kind->size();
    QStringList renamed = m_kind->append(book);
    for (qsizetype i = before; i < m_kind->size(); ++i) {
        m_ids.append(m_nextId++);
    }
    if (m_kind->size() > before) {
        m_changed = true;
        refreshList(rowOf(m_kind->size() - 1));
    }
    return renamed;
}
