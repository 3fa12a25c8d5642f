#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <libxml/tree.h>

namespace platform {

// What reading a page found but could not keep, gathered while reading and told once afterwards:
// things named whole ("the page's title") and attributes of the elements read, by the kind of
// element that carried them.
class LeftOut
{
public:
    // Records the attributes of `element` other than `kept` (lower-case names) as attributes of
    // `owners` ("frames", "areas"). Every DATA-* attribute counts as one, "DATA-*".
    void attributesOf(
        const xmlNode *element, std::initializer_list<const char *> kept, const QString &owners);
    // Records a thing by how the note names it; the same thing is named once.
    void add(const QString &thing);

    bool isEmpty() const { return m_entries.isEmpty(); }

    // "<lead>; left out: <things>." with the things in the order first met, for example "the
    // frames' TITLE and ID attributes"; empty when nothing was left out.
    QString note(const QString &lead) const;

private:
    struct Entry
    {
        QString thing; // empty for attributes
        QString owners;
        QStringList names;
    };
    QList<Entry> m_entries;
};

// "A", "A and B", "A, B and C".
QString inWords(const QStringList &items);

} // namespace platform
