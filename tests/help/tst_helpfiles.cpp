// The help files as the program finds them in its application directory: every page renders
// with a title, every link and picture leads somewhere, every page and picture can be reached
// from a contents page, and the menu commands the pages quote are those of the real windows.

#include "filecontents.h"
#include "frameset/ui/designerwindow.h"
#include "giftool/ui/giftoolwindow.h"
#include "imagemap/ui/imagemapwindow.h"
#include "launcher/launcherwindow.h"
#include "scriptedfiledialogs.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QAction>
#include <QDirIterator>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocumentFragment>

namespace {

// The viewer window is 720 pixels wide; pictures must fit beside its scroll bar.
constexpr int MaxPictureWidth = 680;
constexpr qint64 MaxPictureBytes = 150 * 1024;

struct Files
{
    static QString appDir() { return QCoreApplication::applicationDirPath() + u'/'; }
    static QString readText(const QString &path)
    {
        return QString::fromUtf8(testsupport::readAll(path));
    }
    static bool isPage(const QString &path)
    {
        return path.endsWith(".html") || path.endsWith(".hlp");
    }
    static QString plain(QString caption) { return caption.remove(u'&'); }
    static QString decoded(const QString &html)
    {
        return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
    }
};
using F = Files;

// A page as the help viewer shows it, and the references its source holds.
struct HelpPage
{
    QString title;
    QStringList anchors; // as the viewer's document has them
    QStringList images;
    QStringList sourceAnchors; // as the HTML source writes them
    QStringList sourceImages;
    QStringList stylesheets;
};

QStringList captures(const QString &text, const QString &pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

HelpPage loadPage(const QString &path)
{
    QTextBrowser browser;
    browser.setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    const QTextDocument *document = browser.document();
    HelpPage page;
    page.title = document->metaInformation(QTextDocument::DocumentTitle);
    // Blocks run through table cells too, so this sees every anchor and picture.
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                page.images << format.toImageFormat().name();
            else if (format.isAnchor() && !format.anchorHref().isEmpty())
                page.anchors << format.anchorHref();
        }
    }
    const QString source = F::readText(path);
    page.sourceAnchors = captures(source, QStringLiteral("<a\\s[^>]*href=\"([^\"]+)\""));
    page.sourceImages = captures(source, QStringLiteral("<img\\s[^>]*src=\"([^\"]+)\""));
    page.stylesheets = captures(source, QStringLiteral("<link\\s[^>]*href=\"([^\"]+)\""));
    page.anchors.removeDuplicates(); // the contents page's count below counts pages
    return page;
}

// The local file a reference of `page` names, or an empty string for a web address.
QString target(const QString &page, const QString &reference)
{
    const QUrl url = QUrl::fromLocalFile(page).resolved(QUrl(reference));
    return url.isLocalFile() ? QFileInfo(url.toLocalFile()).absoluteFilePath() : QString();
}

// Every file reachable from `start` through links, pictures and style sheets; the pages are
// loaded and checked on the way. Failures are collected as texts.
QSet<QString> crawl(const QString &start, QStringList *problems)
{
    QSet<QString> seen{QFileInfo(start).absoluteFilePath()};
    QStringList queue{QFileInfo(start).absoluteFilePath()};
    while (!queue.isEmpty()) {
        const QString path = queue.takeFirst();
        const QString name = QDir(F::appDir()).relativeFilePath(path);
        const HelpPage page = loadPage(path);
        if (page.title.trimmed().isEmpty())
            *problems << name + QStringLiteral(": no title");
        const auto set = [](const QStringList &list) { return QSet(list.begin(), list.end()); };
        if (set(page.anchors) != set(page.sourceAnchors))
            *problems << name + QStringLiteral(": the viewer lost links of the source");
        if (set(page.images) != set(page.sourceImages))
            *problems << name + QStringLiteral(": the viewer lost pictures of the source");
        const bool leadsToContents = std::any_of(page.anchors.begin(), page.anchors.end(),
            [](const QString &a) { return a.endsWith(QLatin1String(".hlp")); });
        if (!path.endsWith(QLatin1String(".hlp")) && !leadsToContents)
            *problems << name + QStringLiteral(": no link back to a contents page");

        const QStringList references = page.anchors + page.images + page.stylesheets;
        for (const QString &reference : references) {
            const QString file = target(path, reference);
            if (file.isEmpty())
                continue;
            if (!QFileInfo(file).isFile()) {
                *problems << name + QStringLiteral(": broken reference ") + reference;
                continue;
            }
            if (F::isPage(file) && !seen.contains(file))
                queue << file;
            seen.insert(file);
        }
        for (const QString &image : page.images) {
            const QString file = target(path, image);
            const QImage picture(file);
            if (picture.isNull() || picture.width() > MaxPictureWidth
                || QFileInfo(file).size() > MaxPictureBytes)
                *problems << name + QStringLiteral(": picture unreadable, too wide or too large: ")
                        + image;
        }
    }
    return seen;
}

// "File > Open" (and a shortcut, when the page gives one) as quoted on the pages of a folder.
struct QuotedCommand
{
    QString page;
    QStringList path;
    QString key;
};

QList<QuotedCommand> quotedCommands(const QStringList &pages)
{
    // A key right after the command, in brackets or in the next table cell.
    static const QRegularExpression quote(
        QStringLiteral("<span class=\"menu\">([^<]+)</span>"
                       "(?:(?:\\s*\\(|</td>\\s*<td>)<span class=\"key\">([^<]+)</span>)?"));
    QList<QuotedCommand> found;
    for (const QString &page : pages) {
        QRegularExpressionMatchIterator it = quote.globalMatch(F::readText(page));
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            const QStringList path = F::decoded(m.captured(1)).split(QStringLiteral(" > "));
            found << QuotedCommand{QFileInfo(page).fileName(), path, F::decoded(m.captured(2))};
        }
    }
    return found;
}

// The menu item `path` names in a window's menu bar, by captions without their "&".
QAction *menuCommand(const QMainWindow &window, const QStringList &path)
{
    if (path.size() != 2)
        return nullptr;
    for (QAction *top : window.menuBar()->actions()) {
        if (!top->menu() || F::plain(top->text()) != path[0])
            continue;
        for (QAction *item : top->menu()->actions()) {
            if (!item->isSeparator() && F::plain(item->text()) == path[1])
                return item;
        }
    }
    return nullptr;
}

bool hasKey(const QMainWindow &window, QAction *command, const QString &key)
{
    const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
    if (command->shortcut() == sequence)
        return true;
    // Keys such as F1 belong to the window rather than to one menu item.
    const QList<QAction *> own = window.actions();
    return std::any_of(
        own.begin(), own.end(), [&](const QAction *a) { return a->shortcut() == sequence; });
}

QStringList filesUnder(const QString &folder, const QStringList &patterns)
{
    QStringList files;
    QDirIterator it(folder, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QFileInfo(it.next()).absoluteFilePath();
    return files;
}

} // namespace

class TestHelpFiles : public QObject
{
    Q_OBJECT

    testsupport::ScriptedPrompter m_prompter;
    testsupport::ScriptedFileDialogs m_dialogs;
    QTemporaryDir m_scratch;

    // The window whose menus the pages of `folder` describe.
    std::unique_ptr<QMainWindow> window(const QString &folder)
    {
        if (folder == QLatin1String("panecr95"))
            return std::make_unique<frameset::DesignerWindow>(&m_prompter, &m_dialogs);
        if (folder == QLatin1String("clrcot95"))
            return std::make_unique<giftool::GifToolWindow>(
                m_prompter, m_dialogs, giftool::WorkingFiles::in(m_scratch.path()));
        if (folder == QLatin1String("zonemk95"))
            return std::make_unique<imagemap::ImageMapWindow>(m_prompter, m_dialogs);
        return std::make_unique<launcher::LauncherWindow>();
    }

private slots:

    // The limits the Zonemark page gives are the drawing engine's: 98 shared points, five per
    // rectangle and one more than its corners per polygon; no separate count of hotspots.
    void zonemarkLimits()
    {
        const QString text
            = F::decoded(F::readText(F::appDir() + QStringLiteral("zonemk95/messages.html")));
        QVERIFY2(!text.contains(QLatin1String("99 hotspots")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("share 98 points")));
        QVERIFY(text.contains(QStringLiteral("at most %1 rectangles").arg(98 / 5)));
        QVERIFY(text.contains(QStringLiteral("%1 triangles").arg(98 / 4)));
    }

    // Every link and picture leads somewhere, and every page and picture of the help folders is
    // reached from a contents page: a tool's own from its own, the shared ones from any. A
    // contents page has the tool's title and lists its pages, the quick tour first.
    void linksAndPictures()
    {
        const QStringList types{"*.html", "*.png", "*.css"};
        QSet<QString> reached;
        QStringList problems;
        for (const auto &[tool, title] : {std::pair("panecr95", "Panecraft Help"),
                 std::pair("clrcot95", "Clearcoat Help"), std::pair("zonemk95", "Zonemark Help")}) {
            const QString file = F::appDir() + tool + ".hlp";
            const HelpPage contents = loadPage(file);
            const QString tour = target(file, contents.anchors.value(0));
            if (contents.title != title || contents.anchors.size() < 8
                || !tour.endsWith(QLatin1String("/quicktour.html"))
                || !loadPage(tour).title.endsWith(QStringLiteral(" - ") + title))
                problems << file + QStringLiteral(" is not the contents page of ") + title;
            const QSet<QString> own = crawl(file, &problems);
            for (const QString &path : filesUnder(F::appDir() + tool, types))
                if (!own.contains(path))
                    problems << path + QStringLiteral(" cannot be reached");
            reached |= own;
        }
        for (const QString &path : filesUnder(F::appDir() + QStringLiteral("common"), types))
            if (!reached.contains(path))
                problems << path + QStringLiteral(" cannot be reached");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // The menu commands and keys the pages quote are the windows' own, and the menu reference
    // of each tool names every command of its window.
    void menuCommands_data()
    {
        QTest::addColumn<QString>("folder");
        for (const char *folder : {"panecr95", "clrcot95", "zonemk95", "common"})
            QTest::newRow(folder) << QString(folder);
    }
    void menuCommands()
    {
        QFETCH(QString, folder);
        const QStringList pages = filesUnder(F::appDir() + folder, {"*.html"});
        const QList<QuotedCommand> quoted = quotedCommands(pages);
        QVERIFY(!quoted.isEmpty());

        // A tool's pages may also name the launcher's commands that open it.
        std::vector<std::unique_ptr<QMainWindow>> windows;
        if (folder == QLatin1String("common")) {
            for (const char *tool : {"panecr95", "clrcot95", "zonemk95"})
                windows.push_back(window(QLatin1String(tool)));
        } else {
            windows.push_back(window(folder));
        }
        windows.push_back(window(QStringLiteral("launcher")));
        for (const QuotedCommand &command : quoted) {
            const QString where = command.page + QStringLiteral(": ") + command.path.join(" > ");
            bool found = false;
            for (const auto &w : windows) {
                QAction *action = menuCommand(*w, command.path);
                if (!action)
                    continue;
                found = true;
                QVERIFY2(command.key.isEmpty() || hasKey(*w, action, command.key),
                    qPrintable(where + QStringLiteral(" has no key ") + command.key));
            }
            QVERIFY2(found, qPrintable(where + QStringLiteral(" is no menu command")));
        }
        if (folder == QLatin1String("common"))
            return;

        const QStringList reference = {F::appDir() + folder + QStringLiteral("/menus.html")};
        QSet<QString> listed;
        for (const QuotedCommand &command : quotedCommands(reference))
            listed << command.path.join(QStringLiteral(" > "));
        for (QAction *top : windows.front()->menuBar()->actions()) {
            for (QAction *item : top->menu()->actions()) {
                const QString path
                    = F::plain(top->text()) + QStringLiteral(" > ") + F::plain(item->text());
                QVERIFY2(item->isSeparator() || listed.contains(path),
                    qPrintable(path + QStringLiteral(" is missing from menus.html")));
            }
        }
    }
};

TRELLIS_TEST(TestHelpFiles)
#include "tst_helpfiles.moc"
