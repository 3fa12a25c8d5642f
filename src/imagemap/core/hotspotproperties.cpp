#include "imagemap/core/hotspotproperties.h"

#include "platform/textnumber.h"

#include <QPolygon>
#include <QStringList>

namespace imagemap {

HotspotProperties::HotspotProperties(ImageMapState &state, platform::Prompter &prompter)
    : m_state(state)
    , m_prompter(prompter)
{ }

HotspotLink HotspotProperties::activation() const
{
    const int row = m_state.currentHotspot();
    if (row == 0 || !m_state.hotspots().inUse(row))
        return {};
    const HotspotRecord &record = m_state.hotspots().row(row);
    return {record.url, record.altText, record.targetFrame};
}

bool HotspotProperties::ok(const HotspotLink &typed)
{
    if (typed.url.trimmed().isEmpty()) {
        m_prompter.tell(urlMissingMessage(), platform::MessageIcon::Exclamation);
        return false;
    }
    const int row = m_state.currentHotspot();
    if (row > 0) {
        if (m_state.hotspots().inUse(row)) {
            HotspotRecord &record = m_state.hotspots().row(row);
            record.url = typed.url;
            record.altText = typed.altText;
            record.targetFrame = typed.targetFrame;
        }
    } else if (m_state.shapePending() && !storeShape(typed)) {
        return false;
    }
    m_state.resetPolygon();
    close();
    return true;
}

bool HotspotProperties::storeShape(const HotspotLink &typed)
{
    const VertexStore &vertices = m_state.vertices();
    const int start = m_state.shapeStart();
    const int closing = m_state.appendPoint(vertices.at(start));
    if (closing == 0) {
        m_state.discardPendingShape();
        m_prompter.tell(capacityMessage(), platform::MessageIcon::Exclamation);
        return true;
    }
    QPolygon polygon;
    for (int i = start; i <= closing; ++i)
        polygon << vertices.at(i);
    const int newRegion = m_state.regions().create(polygon);
    if (newRegion == 0) {
        m_prompter.tell(capacityMessage(), platform::MessageIcon::Exclamation);
        // Taking the closing point back lets a second OK store the same points again instead
        // of piling up closing points inside the shape.
        m_state.dropLastPoint();
        m_state.resetPolygon();
        m_state.setCurrentHotspot(0);
        return false;
    }

    const int kind = m_state.pendingShape();
    QString coords;
    const auto appendPoint = [&coords](QPoint p) {
        coords += u',' + platform::plainNumber(p.x()) + u',' + platform::plainNumber(p.y());
    };
    if (kind == ShapePolygon) {
        for (int i = start; i <= closing; ++i)
            appendPoint(vertices.at(i));
    } else if (kind == ShapeRectangle) {
        // Corners are stored top-left, top-right, bottom-right, bottom-left.
        appendPoint(vertices.at(start));
        appendPoint(vertices.at(start + 2));
    }
    QString indexes;
    for (int i = start; i <= closing; ++i)
        indexes += u',' + platform::plainNumber(i);

    const int row = m_state.hotspots().firstFreeRow();
    if (row == 0) {
        m_state.regions().erase(newRegion);
    } else {
        HotspotRecord &record = m_state.hotspots().row(row);
        record.region = newRegion;
        record.coords = coords.mid(1);
        record.url = typed.url;
        record.altText = typed.altText;
        record.targetFrame = typed.targetFrame;
        record.pointIndexes = indexes.mid(1);
        record.shapeKind = kind;
    }
    m_state.settleShape();
    return true;
}

bool HotspotProperties::cancel()
{
    if (m_state.currentHotspot() == 0)
        m_state.discardPendingShape();
    close();
    return true;
}

bool HotspotProperties::remove()
{
    const int row = m_state.currentHotspot();
    if (row > 0) {
        const platform::MessageAnswer answer = m_prompter.ask(deleteQuestion(),
            platform::MessageIcon::Question, platform::MessageButtons::YesNoCancel);
        if (answer != platform::MessageAnswer::Yes)
            return false;
        HotspotTable &table = m_state.hotspots();
        if (table.inUse(row)) {
            // The last index is the closing point, which has no segment of its own.
            const QStringList indexes = table.row(row).pointIndexes.split(u',');
            for (qsizetype i = 0; i + 1 < indexes.size(); ++i)
                m_state.segments().remove(int(platform::wholeValue(indexes[i])));
            m_state.regions().erase(table.row(row).region);
            table.clearRow(row);
        }
    } else {
        m_state.discardPendingShape();
    }
    close();
    return true;
}

void HotspotProperties::close()
{
    m_state.setCurrentHotspot(0);
    m_state.setDialogOpen(false);
}

} // namespace imagemap
