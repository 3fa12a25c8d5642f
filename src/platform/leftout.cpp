#include "platform/leftout.h"

#include <algorithm>

namespace platform {

void LeftOut::attributesOf(
    const xmlNode *element, std::initializer_list<const char *> kept, const QString &owners)
{
    for (const xmlAttr *attribute = element->properties; attribute; attribute = attribute->next) {
        QString name = QString::fromUtf8(reinterpret_cast<const char *>(attribute->name));
        const bool isKept = std::any_of(kept.begin(), kept.end(), [&](const char *k) {
            return name.compare(QLatin1String(k), Qt::CaseInsensitive) == 0;
        });
        if (isKept)
            continue;
        name = name.startsWith(QLatin1String("data-"), Qt::CaseInsensitive)
            ? QStringLiteral("DATA-*")
            : name.toUpper();
        auto entry = std::find_if(m_entries.begin(), m_entries.end(),
            [&](const Entry &e) { return e.thing.isEmpty() && e.owners == owners; });
        if (entry == m_entries.end())
            m_entries.append({QString(), owners, {name}});
        else if (!entry->names.contains(name))
            entry->names.append(name);
    }
}

void LeftOut::add(const QString &thing)
{
    const bool known = std::any_of(
        m_entries.begin(), m_entries.end(), [&](const Entry &e) { return e.thing == thing; });
    if (!known)
        m_entries.append({thing, QString(), {}});
}

QString LeftOut::note(const QString &lead) const
{
    if (m_entries.isEmpty())
        return QString();
    QStringList things;
    for (const Entry &entry : m_entries) {
        if (!entry.thing.isEmpty())
            things << entry.thing;
        else
            things << QStringLiteral("the %1' %2 %3")
                          .arg(entry.owners, inWords(entry.names),
                              entry.names.size() == 1 ? QStringLiteral("attribute")
                                                      : QStringLiteral("attributes"));
    }
    return QStringLiteral("%1; left out: %2.").arg(lead, things.join(QStringLiteral(", ")));
}

QString inWords(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ")
        + items.last();
}

} // namespace platform
