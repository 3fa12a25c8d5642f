#include "help/supportdialog.h"
#include "platform/supportcontacts.h"
#include "testmain.h"

#include <QLabel>
#include <QTest>

namespace {

// Joins paragraphs as the notice does: each ends with CR LF and one more CR LF. Every notice
// starts with the same heading.
QString paragraphs(const QStringList &texts)
{
    return QStringLiteral("For technical support.....\r\n\r\n") + texts.join("\r\n\r\n")
        + QStringLiteral("\r\n\r\n");
}

} // namespace

class TestSupportDialog : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { delete help::SupportDialog::instance(); }

    void notice_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("expected");

        // Placeholders that reach no one: example.org is reserved for documentation, and
        // 020 7946 0xxx is a London range set aside for fiction.
        const QString url = QStringLiteral("https://support.example.org/trellis?lang=en&topic=1");
        const QString email = QStringLiteral("trellis-help@example.org");
        const QString phone = QStringLiteral("+44 20 7946 0018");
        const QString name = QStringLiteral(
            "Please name the tool, the version (Help > TechInfo) and the steps that lead to the "
            "problem.");
        const QString answered = QStringLiteral("Requests are normally answered within 24 hours.");

        QTest::newRow("no contact")
            << QString() << QString() << QString()
            << paragraphs({"Support for this copy of Trellis comes from whoever provided it: your "
                           "distribution, your organisation or the person who installed it.",
                   "Answers to many questions are in the help (Help menu) and in the manual page "
                   "(man trellis).",
                   name, answered});
        QTest::newRow("all three")
            << url << email << phone
            << paragraphs({"Report a problem or ask a question on the web: "
                           "https://support.example.org/trellis?lang=en&topic=1",
                   "Or by e-mail: trellis-help@example.org", "Or by telephone: +44 20 7946 0018",
                   name, answered,
                   "For news and upgrade announcements, read the newsletter on the web: "
                   "https://support.example.org/trellis?lang=en&topic=1"});
        QTest::newRow("telephone only")
            << QString() << QString() << phone
            << paragraphs({"Report a problem or ask a question by telephone: +44 20 7946 0018",
                   name, answered});
        QTest::newRow("e-mail and telephone")
            << QString() << email << phone
            << paragraphs({"Report a problem or ask a question by e-mail: trellis-help@example.org",
                   "Or by telephone: +44 20 7946 0018", name, answered});
    }
    void notice()
    {
        QFETCH(QString, url);
        QFETCH(QString, email);
        QFETCH(QString, phone);
        QFETCH(QString, expected);
        QCOMPARE(help::SupportDialog::notice({url, email, phone}), expected);
    }

    // The window shows the notice of the contacts the program was built with, as lines. That
    // the build settings reach the program is checked by the install test trellis_install_support.
    void windowShowsTheBuiltContacts()
    {
        help::SupportDialog *support = help::SupportDialog::showSupport();
        QString lines = help::SupportDialog::notice(platform::builtSupportContacts());
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(support->findChild<QLabel *>("Label1")->text(), lines.trimmed());
    }
};

TRELLIS_TEST(TestSupportDialog)
#include "tst_supportdialog.moc"
