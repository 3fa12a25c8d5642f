#include "frameset/ui/designsurface.h"

#include "frameset/core/cellresizer.h"
#include "frameset/core/layoutmodel.h"
#include "frameset/core/sizedisplay.h"
#include "frameset/ui/cellwidget.h"
#include "frameset/ui/designarea.h"
#include "frameset/ui/designercontrols.h"
#include "frameset/ui/splitbutton.h"
#include "platform/ui/twipsgeometry.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <array>

namespace frameset {

namespace {

const std::array<QString, 3> ButtonHints = {QStringLiteral("Create Horizontal Split (Row)"),
    QStringLiteral("Create Vertical Split (Column)"), QStringLiteral("Clear All")};

// The top row, in twips.
constexpr int ButtonTop = 60;
constexpr int ButtonLeft = 120;
constexpr int ButtonStep = 420;
constexpr int HintLeft = 1500;
constexpr int HintWidth = 3900;
constexpr int SizeDisplayLeft = 5520;
constexpr int SizeDisplayWidth = 2700;
constexpr int BordersBoxLeft = 8400;
constexpr int BordersBoxWidth = 1500;
constexpr int TextTop = 90;
constexpr int TextHeight = 270;
constexpr int LineTop = 405;

Qt::CursorShape cursorOf(PointerShape pointer)
{
    switch (pointer) {
    case PointerShape::SizeLeftRight:
        return Qt::SizeHorCursor;
    case PointerShape::SizeUpDown:
        return Qt::SizeVerCursor;
    case PointerShape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

void name(QObject *control, DesignerControl name)
{
    control->setObjectName(QLatin1String(designerControlName(name)));
}

} // namespace

DesignSurface::DesignSurface(LayoutModel &model, CellResizer &resizer, platform::TwipsScale scale,
    int scrollBarPixels, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_resizer(resizer)
    , m_scale(scale)
    , m_areaTop(scale.toPixels(DesignTop))
    , m_views(model, scale, scrollBarPixels, m_areaTop)
{
    name(this, DesignerControl::Surface);
    setMouseTracking(true);
    buildControls();
    showDesign(false);
}

void DesignSurface::buildButtonRow()
{
    for (const ButtonPicture picture :
        {ButtonPicture::RowSplit, ButtonPicture::ColumnSplit, ButtonPicture::ClearAll}) {
        auto *button = new SplitButton(picture, this);
        name(button, DesignerControl::SplitButton);
        const int i = int(picture);
        button->move(m_scale.toPixels(ButtonLeft + i * ButtonStep), m_scale.toPixels(ButtonTop));
        connect(button, &SplitButton::hovered, this, &DesignSurface::showHint);
        // The hint names the button under the mouse, so it goes when the mouse does.
        connect(button, &SplitButton::left, this, [this] { m_hintLine->clear(); });
        connect(button, &SplitButton::clicked, this, [this](ButtonPicture clicked) {
            if (clicked == ButtonPicture::ClearAll)
                emit clearRequested();
            else
                emit splitRequested(clicked == ButtonPicture::RowSplit ? SplitDirection::Row
                                                                       : SplitDirection::Column);
        });
        m_buttons.append(button);
    }
}

void DesignSurface::buildControls()
{
    buildButtonRow();

    m_hintLine = new QLabel(this);
    name(m_hintLine, DesignerControl::HintLine);
    platform::placeInTwips(m_hintLine, m_scale, HintLeft, TextTop, HintWidth, TextHeight);

    m_sizeDisplay = new QLabel(this);
    name(m_sizeDisplay, DesignerControl::SizeDisplay);
    platform::placeInTwips(
        m_sizeDisplay, m_scale, SizeDisplayLeft, TextTop, SizeDisplayWidth, TextHeight);

    m_bordersBox = new QCheckBox(QStringLiteral("Borders"), this);
    name(m_bordersBox, DesignerControl::BordersBox);
    m_bordersBox->setFocusPolicy(Qt::NoFocus);
    platform::placeInTwips(
        m_bordersBox, m_scale, BordersBoxLeft, TextTop - 30, BordersBoxWidth, TextHeight + 60);
    connect(m_bordersBox, &QCheckBox::toggled, this,
        [this](bool on) { m_model.design().setBordersOn(on); });
    // The Borders setting is saved with the design, so changing it is a change to keep.
    connect(m_bordersBox, &QCheckBox::clicked, this, [this] { m_model.setModified(true); });

    m_buttonRowLine = new QFrame(this);
    name(m_buttonRowLine, DesignerControl::ButtonRowLine);
    m_buttonRowLine->setFrameShape(QFrame::HLine);
    m_buttonRowLine->setFrameShadow(QFrame::Sunken);
    const int screenWidth = platform::screenSizeInTwips(m_scale, this).width();
    platform::placeInTwips(m_buttonRowLine, m_scale, 0, LineTop, screenWidth, 30);

    m_area = new DesignArea(this);
    name(m_area, DesignerControl::DesignArea);
    name(m_area->canvas(), DesignerControl::DesignCanvas);
    m_area->move(0, m_areaTop);
}

CellWidget *DesignSurface::cell(int i) const
{
    return m_views.cell(i);
}

QScrollBar *DesignSurface::scrollView(int i) const
{
    return m_views.scrollView(i);
}

SplitButton *DesignSurface::button(int i) const
{
    return i >= 0 && i < m_buttons.size() ? m_buttons.at(i) : nullptr;
}

void DesignSurface::showHint(ButtonPicture button)
{
    m_hintLine->setText(ButtonHints[std::size_t(button)]);
}

void DesignSurface::mouseMoveEvent(QMouseEvent *event)
{
    m_hintLine->clear();
    setCursor(Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void DesignSurface::resizeEvent(QResizeEvent *event)
{
    m_area->resize(width(), std::max(0, height() - m_areaTop));
    QWidget::resizeEvent(event);
}

void DesignSurface::showDesign(bool selectionShown)
{
    m_selectionShown = selectionShown;
    const int count = m_model.lastCellIndex() + 1;
    m_views.setCount(count, m_area->canvas(), [this](CellWidget *view) {
        connect(view, &CellWidget::pressed, this, &DesignSurface::onCellPressed);
        connect(view, &CellWidget::moved, this, &DesignSurface::onCellMoved);
        connect(view, &CellWidget::released, this, &DesignSurface::onCellReleased);
        connect(view, &CellWidget::doubleClicked, this, &DesignSurface::onCellDoubleClicked);
    });
    for (int i = 0; i < count; ++i) {
        m_views.cell(i)->setCaption(i == 0 ? m_model.cell0Caption() : QString());
        m_views.cell(i)->show();
    }
    m_views.placeAll(m_area);
    m_views.paintSelection(m_selectionShown);
    showSelectedSize();
    m_bordersBox->setChecked(m_model.design().bordersOn());
}

void DesignSurface::showSize(float width, float height)
{
    const PixelScale pixels(m_scale.factor());
    m_sizeDisplay->setText(sizeDisplayText(width, height, pixels, pixels));
}

void DesignSurface::showSelectedSize()
{
    const int selected = m_model.selectedCell();
    if (!m_selectionShown || !m_model.design().hasCell(selected)) {
        m_sizeDisplay->clear();
        return;
    }
    const CellView &c = m_model.design().cell(selected);
    showSize(c.width, c.height);
}

void DesignSurface::onCellPressed(int i, Qt::MouseButton button)
{
    if (!m_resizer.mouseDown(i, button == Qt::LeftButton))
        return;
    m_selectionShown = true;
    m_views.paintSelection(m_selectionShown);
    showSelectedSize();
    if (button == Qt::RightButton)
        emit propertiesRequested(i);
}

void DesignSurface::onCellMoved(int i, QPoint position, Qt::MouseButtons buttons)
{
    const MoveResult moved = m_resizer.mouseMove(i, float(m_scale.toTwips(position.x())),
        float(m_scale.toTwips(position.y())), buttons.testFlag(Qt::LeftButton),
        buttons != Qt::NoButton);
    if (moved.refusedNegative)
        emit refused();
    CellWidget *view = cell(i);
    if (!view)
        return;
    view->setCursor(cursorOf(moved.pointer));
    if (m_resizer.sizeChanged()) {
        // The dragged cell is drawn above its neighbours while it grows over them.
        m_views.placeCell(i);
        view->raise();
        const CellView &c = m_model.design().cell(i);
        showSize(c.width, c.height);
    }
}

void DesignSurface::onCellReleased(int i, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    const bool dragged = m_resizer.resizeMode() != ResizeMode::None;
    if (m_resizer.mouseUp(i) == BorderMove::Refused)
        emit refused();
    if (!dragged || !m_model.design().hasCell(i))
        return;
    m_views.placeAll(m_area);
    showSelectedSize();
}

void DesignSurface::onCellDoubleClicked(int i)
{
    if (!m_model.design().hasCell(i))
        return;
    m_model.selectCell(i);
    if (m_model.lastCellIndex() > 0) {
        m_selectionShown = true;
        m_views.paintSelection(m_selectionShown);
        showSelectedSize();
    }
    emit propertiesRequested(i);
}

} // namespace frameset
