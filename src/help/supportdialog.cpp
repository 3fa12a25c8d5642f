#include "help/supportdialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace help {

namespace {
QPointer<SupportDialog> s_support;
}

QString SupportDialog::notice(const platform::SupportContacts &contacts)
{
    QStringList paragraphs = {QStringLiteral("For technical support.....")};

    // One paragraph per channel that is set; the ones after the first continue its sentence.
    qsizetype channels = 0;
    const auto addChannel = [&](const QString &how, const QString &address) {
        if (address.isEmpty())
            return;
        const QString lead = channels++ == 0 ? QStringLiteral("Report a problem or ask a question ")
                                             : QStringLiteral("Or ");
        paragraphs.append(lead + how + address);
    };
    addChannel(QStringLiteral("on the web: "), contacts.url);
    addChannel(QStringLiteral("by e-mail: "), contacts.email);
    addChannel(QStringLiteral("by telephone: "), contacts.phone);
    // Without a contact, point to what every installation has rather than to an address nobody
    // answers.
    if (channels == 0) {
        paragraphs.append(QStringLiteral("Support for this copy of Trellis comes from whoever "
                                         "provided it: your distribution, your organisation or "
                                         "the person who installed it."));
        paragraphs.append(QStringLiteral("Answers to many questions are in the help (Help menu) "
                                         "and in the manual page (man trellis)."));
    }

    paragraphs.append(QStringLiteral("Please name the tool, the version (Help > TechInfo) and the "
                                     "steps that lead to the problem."));
    paragraphs.append(QStringLiteral("Requests are normally answered within 24 hours."));
    if (!contacts.url.isEmpty()) {
        paragraphs.append(
            QStringLiteral("For news and upgrade announcements, read the newsletter on the web: ")
            + contacts.url);
    }

    QString text;
    for (const QString &p : paragraphs)
        text += p + QStringLiteral("\r\n\r\n");
    return text;
}

SupportDialog::SupportDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Support"));
    setWindowTitle(QStringLiteral("Technical Support"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1"));
    // The contacts are shown as the build gave them, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QString shown = notice(platform::builtSupportContacts());
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    label->setText(shown.trimmed());

    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Closebutton"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    setFixedWidth(440);
    adjustSize();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

SupportDialog *SupportDialog::instance()
{
    return s_support.data();
}

SupportDialog *SupportDialog::showSupport()
{
    if (!s_support)
        s_support = new SupportDialog;
    s_support->show();
    s_support->raise();
    s_support->activateWindow();
    return s_support.data();
}

} // namespace help
