#include "help/helpviewer.h"

#include "platform/appdirectory.h"
#include "platform/programinfo.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace help {

namespace {
QPointer<HelpViewer> s_viewer;
}

QString helpFilePath(const QString &fileName)
{
    const QString appDir = platform::applicationDirectory();
    const QString beside = appDir + fileName;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed
        = QFileInfo(appDir + QStringLiteral("../share/trellis/") + fileName).absoluteFilePath();
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}

HelpViewer::HelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(720, 560);
}

HelpViewer *HelpViewer::instance()
{
    return s_viewer.data();
}

HelpViewer *HelpViewer::showHelpFile(const QString &path)
{
    if (!s_viewer)
        s_viewer = new HelpViewer;
    s_viewer->open(path);
    s_viewer->show();
    s_viewer->raise();
    s_viewer->activateWindow();
    return s_viewer.data();
}

void HelpViewer::open(const QString &path)
{
    m_file = path;
    const QFileInfo info(path);
    m_found = info.isFile() && info.isReadable();
    setWindowTitle(info.fileName() + QStringLiteral(" - ") + platform::programTitle());
    if (!m_found) {
        m_browser->clearHistory();
        m_browser->setHtml(QStringLiteral("<h2>Help file not found</h2><p>The help file <b>%1</b>"
                                          " could not be opened. Reinstall Trellis, or keep the "
                                          "help files beside the program.</p>")
                               .arg(path.toHtmlEscaped()));
        return;
    }
    // The contents page is the file itself; setting the same source again reloads it there.
    m_browser->clearHistory();
    m_browser->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
    m_browser->reload();
}

} // namespace help
