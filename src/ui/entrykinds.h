#pragma once

// The kinds of entry the machine editor lists, each a page of its own over NamedListPage: the
// hobbing machines (machinekind.cpp), the lathes (lathekind.cpp) and the hobs (hobkind.cpp). What a
// kind does with its list, whatever its entries, is ListKind's; a kind adds its fields and how its
// texts read.

#include "ui/namedlistpage.h"

#include <QLocale>

#include <memory>

std::unique_ptr<EntryKind> makeMachineKind(const QList<Machine>& machines, const QLocale& locale);
std::unique_ptr<EntryKind> makeLatheKind(const QList<Lathe>& lathes, const QLocale& locale);
std::unique_ptr<EntryKind> makeHobKind(const QList<Hob>& hobs, const QLocale& locale);

// "«Tezgâh B» → «Tezgâh B (2)»", a line for each name that an import changed.
QString renamedLine(const QString& before, const QString& after);

// The list of one kind. `Rules` names the kind's value and its rules:
//   Value; static const Value& builtIn(); static QString newName();
//   static std::optional<QString> check(const Value&, const QLocale&);
//   static std::optional<std::pair<QString, QString>> clash(const QList<Value>&, const QLocale&)
//     (the entry's name and the words);
//   static QString unclashed(const QString&, const QList<Value>&);
//   static QList<Value>& in(MachineBook&).
// `Entry` holds `value`, the texts as typed, and `fault`, a text that does not read.
template <typename Rules, typename Entry> class ListKind : public EntryKind {
public:
    using Value = typename Rules::Value;

    qsizetype size() const override { return m_entries.size(); }
    QString name(qsizetype i) const override { return m_entries.at(i).value.name; }
    QString builtInName() const override { return displayName(Rules::builtIn()); }

    QString fault(qsizetype i) const override {
        const Entry& e = m_entries.at(i);
        return !e.fault.isEmpty() ? e.fault : Rules::check(e.value, m_locale).value_or(QString());
    }

    std::optional<std::pair<qsizetype, QString>> clash() const override {
        const QList<Value> all = values();
        const auto found = Rules::clash(all, m_locale);
        if (!found) {
            return std::nullopt;
        }
        qsizetype at = 0;
        for (qsizetype i = 0; i < all.size(); ++i) {
            at = all[i].name == found->first ? i : at;
        }
        return std::pair{at, found->second};
    }

    void appendNew() override {
        Value v = Rules::builtIn();
        v.name = Rules::unclashed(Rules::newName(), values());
        m_entries.append(entryOf(v));
    }

    void appendCopy(std::optional<qsizetype> of) override {
        Entry copy = of ? m_entries.at(*of) : entryOf(Rules::builtIn());
        copy.value.name = Rules::unclashed(displayName(copy.value), values());
        m_entries.append(copy);
    }

    void remove(qsizetype i) override { m_entries.removeAt(i); }

    QStringList append(const MachineBook& book) override {
        QStringList renamed;
        MachineBook copy = book;
        for (Value v : Rules::in(copy)) {
            const QString name = Rules::unclashed(v.name, values());
            if (name != v.name.trimmed()) {
                renamed.append(renamedLine(v.name.trimmed(), name));
            }
            v.name = name;
            m_entries.append(entryOf(v));
        }
        return renamed;
    }

    void fill(MachineBook& book) const override { Rules::in(book) = values(); }

protected:
    explicit ListKind(const QLocale& locale)
        : m_locale(locale) {}

    // Fills the list; the constructor of a kind calls it, once entryOf works.
    void start(const QList<Value>& list) {
        for (const Value& v : list) {
            m_entries.append(entryOf(v));
        }
    }
    // An entry with the value's texts as the editor writes them.
    virtual Entry entryOf(const Value& value) const = 0;

    QList<Value> values() const {
        QList<Value> list;
        for (const Entry& e : m_entries) {
            list.append(e.value);
        }
        return list;
    }

    QList<Entry> m_entries;
    QLocale m_locale;
};
