#include "app/toolstart.h"

#include "frameset/ui/designerwindow.h"
#include "giftool/ui/giftoolwindow.h"
#include "imagemap/ui/imagemapwindow.h"

#include <QFileInfo>
#include <QTimer>

namespace app {

std::optional<launcher::Tool> toolNamed(const QString &word)
{
    for (const launcher::Tool tool : launcher::AllTools) {
        if (word == launcher::toolName(tool).toLower())
            return tool;
    }
    return std::nullopt;
}

std::unique_ptr<QMainWindow> startTool(launcher::Tool tool, const QString &file)
{
    const QString path = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
    std::unique_ptr<QMainWindow> window;
    std::function<void()> open;
    switch (tool) {
    case launcher::Tool::Panecraft: {
        auto *designer = new frameset::DesignerWindow;
        open = [designer, path] { designer->openDesignFile(path); };
        window.reset(designer);
        break;
    }
    case launcher::Tool::Clearcoat: {
        auto *gifTool = new giftool::GifToolWindow;
        open = [gifTool, path] { gifTool->openImageFile(path); };
        window.reset(gifTool);
        break;
    }
    case launcher::Tool::Zonemark: {
        auto *imageMap = new imagemap::ImageMapWindow;
        open = [imageMap, path] { imageMap->openFile(path); };
        window.reset(imageMap);
        break;
    }
    }
    window->show();
    // Opened once the window is on screen, so a message about the file stands in front of it.
    if (!path.isEmpty())
        QTimer::singleShot(0, window.get(), open);
    return window;
}

} // namespace app
