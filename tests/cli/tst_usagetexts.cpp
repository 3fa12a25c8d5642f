#include "cli/commandline.h"
#include "filecontents.h"
#include "testmain.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// The options a text names: "-o", "--full-colour" (the manual page's "\-\-" read as "--").
QSet<QString> optionsIn(QString text)
{
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIR]")));
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z0-9-]*"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &m : option.globalMatch(text))
        found << m.captured();
    return found;
}

QString sourceFile(const QString &path)
{
    return QString::fromUtf8(
        testsupport::readAll(qEnvironmentVariable("TRELLIS_SOURCE_DIR") + u'/' + path));
}

QString spelling(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

// The forms of each command live in one place, the command's own description: trellis --help,
// the manual page's SYNOPSIS and the help page must name every option of them, and only those;
// an option's other spelling is taken but never documented.
class TestUsageTexts : public QObject
{
    Q_OBJECT
private slots:
    void everyDocumentNamesTheOptionsOfTheForms()
    {
        QSet<QString> inForms{QStringLiteral("--help"), QStringLiteral("--version")};
        QSet<QString> otherSpellings;
        for (const cli::SubCommand &command : cli::subCommands()) {
            for (const cli::CommandForm &form : command.forms)
                inForms += optionsIn(form.arguments);
            for (const QCommandLineOption &option : command.options) {
                QVERIFY2(inForms.contains(spelling(option.names().first())),
                    qPrintable(spelling(option.names().first()) + " is in no form"));
                for (const QString &other : option.names().mid(1))
                    otherSpellings << spelling(other);
            }
        }
        const QString manual = sourceFile(QStringLiteral("data/trellis.1"));
        const qsizetype from = manual.indexOf(QStringLiteral(".SH SYNOPSIS"));
        const qsizetype to = manual.indexOf(QStringLiteral(".SH DESCRIPTION"));
        QVERIFY(from >= 0 && to > from);
        QCOMPARE(optionsIn(manual.mid(from, to - from)), inForms);
        QCOMPARE(optionsIn(cli::usageText()), inForms);
        const QString helpPage = sourceFile(QStringLiteral("help/common/commandline.html"));
        const QSet<QString> onHelpPage = optionsIn(helpPage);
        for (const QString &option : inForms)
            QVERIFY2(onHelpPage.contains(option), qPrintable(option + " is not on the help page"));
        for (const QString &document :
            {manual, helpPage, sourceFile(QStringLiteral("README.md")), cli::usageText()}) {
            for (const QString &other : otherSpellings)
                QVERIFY2(
                    !optionsIn(document).contains(other), qPrintable(other + " is documented"));
        }
    }
};

TRELLIS_TEST(TestUsageTexts)
#include "tst_usagetexts.moc"
