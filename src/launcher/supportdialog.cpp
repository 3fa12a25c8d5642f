#include "launcher/supportdialog.h"

#include "platform/programinfo.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace launcher {

namespace {
QPointer<SupportDialog> s_support;
}

QString SupportDialog::notice()
{
    const QStringList paragraphs = {
        QStringLiteral("For technical support....."),
        QStringLiteral("Report a problem or ask a question on the Trellis issue tracker: ")
            + platform::supportIssueTracker(),
        QStringLiteral("Or write to the Trellis mailing list: ") + platform::supportMailAddress(),
        QStringLiteral("Please name the tool, the version (Help > TechInfo) and the steps that "
                       "lead to the problem."),
        QStringLiteral("Requests are normally answered within 24 hours."),
        QStringLiteral("For news and upgrade announcements, read the Trellis newsletter on the "
                       "mailing list."),
    };
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
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QString shown = notice();
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

} // namespace launcher
