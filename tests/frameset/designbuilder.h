#pragma once

#include "frameset/core/framepropertieseditor.h"
#include "frameset/core/layoutmodel.h"
#include "frameset/core/layouttext.h"

#include <QList>
#include <QMetaType>
#include <QStringList>

// Small helpers shared by the frameset core tests.
namespace framesettest {

// One split of a recorded sequence: the cell that is selected and the direction.
struct SplitStep
{
    int cell;
    frameset::SplitDirection direction;
};

// A layout model over a design area of the given size at (0, 450), as the designer starts.
struct ModelFixture
{
    frameset::LayoutModel model{255};

    explicit ModelFixture(float width = 9000, float height = 6000)
    {
        frameset::CellView &root = model.design().cell(0);
        root.top = 450;
        model.resetDesign(width, height);
    }

    // Selects `cell` and splits it; true when the split happened.
    bool split(int cell, frameset::SplitDirection direction)
    {
        model.selectCell(cell);
        return model.splitCell(direction);
    }

    // Plays a sequence of splits; the number of splits that were refused.
    int play(const QList<SplitStep> &steps)
    {
        int refused = 0;
        for (const SplitStep &step : steps) {
            if (!split(step.cell, step.direction))
                ++refused;
        }
        return refused;
    }
};

// The layout text a design file holds for `tree` (a design's or the undo's).
inline QString layoutText(const frameset::SplitTree &tree)
{
    return frameset::layouttext::write(tree);
}
inline QString layoutText(const frameset::Design &design)
{
    return layoutText(design.splitTree());
}

inline QStringList layoutLines(const frameset::LayoutModel &model)
{
    return frameset::layouttext::lines(layoutText(model.design()));
}

inline QStringList cellPaths(const frameset::Design &design)
{
    QStringList paths;
    for (int i = 0; i <= design.lastCellIndex(); ++i)
        paths.append(design.labels(i).path);
    return paths;
}

// Record values as the properties dialog stores them (numbers) and as a file gives them (texts).
inline frameset::PropertyValue text(const QString &t)
{
    return frameset::PropertyValue::fromText(t);
}
inline frameset::PropertyValue number(qint64 n)
{
    return frameset::PropertyValue::fromNumber(n);
}

// The path of tests/frameset/data/`name`.
inline QString dataFile(const QString &name)
{
    return qEnvironmentVariable("TRELLIS_SOURCE_DIR") + QStringLiteral("/tests/frameset/data/")
        + name;
}

constexpr auto Column = frameset::SplitDirection::Column;
constexpr auto Row = frameset::SplitDirection::Row;

} // namespace framesettest

Q_DECLARE_METATYPE(frameset::SplitDirection)
Q_DECLARE_METATYPE(frameset::FrameTextBox)
