#include "giftool/ui/detailpanel.h"

#include "giftool/core/backgroundselection.h"
#include "giftool/ui/hintline.h"
#include "platform/ui/twipsgeometry.h"

#include <QLabel>
#include <QPushButton>

namespace giftool {

namespace {

constexpr int HeadTop = 120;
constexpr int RowTop = 420;
constexpr int RowStep = 300;
constexpr int CellHeight = 255;
constexpr int ColumnLeft = 240;
constexpr int ColumnStep = 720;
constexpr int ColumnWidth = 660;
// The combined colour value has up to eight digits and stands after the blue column.
constexpr int ValueLeft = ColumnLeft + 4 * ColumnStep;
constexpr int ValueWidth = 960;
constexpr int CloseTop = 1140;
constexpr int CloseWidth = 1095;
constexpr int CloseHeight = 375;

} // namespace

DetailPanel::DetailPanel(platform::TwipsScale scale, QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    const auto place = [scale](QWidget *widget, int column, int top, int width, int height) {
        platform::placeInTwips(widget, scale, ColumnLeft + column * ColumnStep, top, width, height);
    };

    const std::array<QString, 4> heads = {QStringLiteral("Index"), QStringLiteral("Red"),
        QStringLiteral("Green"), QStringLiteral("Blue")};
    for (int column = 0; column < 4; ++column)
        place(
            new QLabel(heads[std::size_t(column)], this), column, HeadTop, ColumnWidth, CellHeight);
    platform::placeInTwips(new QLabel(QStringLiteral("Value"), this), scale, ValueLeft, HeadTop,
        ValueWidth, CellHeight);

    for (int k = 0; k < 2; ++k) {
        const int top = RowTop + k * RowStep;
        auto *index = new QLabel(this);
        place(index, 0, top, ColumnWidth, CellHeight);
        m_index[std::size_t(k)] = index;

        auto *value = new QLabel(this);
        platform::placeInTwips(value, scale, ValueLeft, top, ValueWidth, CellHeight);
        m_value[std::size_t(k)] = value;

        for (int part = 0; part < 3; ++part) {
            auto *rgb = new QLabel(this);
            place(rgb, part + 1, top, ColumnWidth, CellHeight);
            HintLine::setHint(rgb, QStringLiteral("RGB codes (Red, Green, Blue)"));
            m_rgb[std::size_t(k)][std::size_t(part)] = rgb;
        }
    }

    // What keeping the enclosed parts apart cost, when the palette had no entry to spare.
    m_merges = new QLabel(this);
    m_merges->setWordWrap(true);
    platform::placeInTwips(m_merges, scale, ColumnLeft, CloseTop - 60,
        Width - CloseWidth - 3 * ColumnLeft, CloseHeight + 120);

    m_close = new QPushButton(QStringLiteral("Close"), this);
    platform::placeInTwips(
        m_close, scale, Width - CloseWidth - ColumnLeft, CloseTop, CloseWidth, CloseHeight);
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);

    platform::placeInTwips(this, scale, 0, 0, Width, Height);
}

void DetailPanel::showSelection(
    const BackgroundSelection &selection, const QList<PaletteMerge> &merges)
{
    for (std::size_t k = 0; k < 2; ++k) {
        const SampleSlot &slot = selection.slot(int(k));
        const PaletteRow &colour = slot.colour;
        const auto number
            = [&slot](int n) { return slot.filled() ? QString::number(n) : QString(); };
        m_index[k]->setText(slot.filled() ? QString::number(*slot.index) : QString());
        m_value[k]->setText(number(colour.value));
        const std::array<int, 3> parts = {colour.red, colour.green, colour.blue};
        for (std::size_t part = 0; part < 3; ++part)
            m_rgb[k][part]->setText(number(parts[part]));
    }
    m_merges->setText(mergeText(merges));
}

QString mergeText(const QList<PaletteMerge> &merges)
{
    if (merges.isEmpty())
        return QString();
    return QStringLiteral("Merged entries %1; largest color change %2.")
        .arg(mergedEntriesText(merges))
        .arg(largestChange(merges), 0, 'f', 1);
}

} // namespace giftool
