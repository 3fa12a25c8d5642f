#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace giftool {

// The line at the top of the window that says what the control under the pointer does. Each
// part of the window gives its controls their hints where it makes them; the line follows
// them all.
class HintLine : public QObject
{
    Q_OBJECT
public:
    explicit HintLine(QWidget *surface);

    // Gives widget a hint. An empty hint clears the line when the pointer comes over the
    // widget; with onlyWithText, a label's hint shows only while the label shows a text.
    static void setHint(QWidget *widget, const QString &hint, bool onlyWithText = false);

    // Shows the hints of root's controls from now on.
    void follow(QWidget *root);
    // Clears the line when it shows widget's hint.
    void forget(const QWidget *widget);
    void clear();

    QLabel *label() const { return m_label; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_label;
};

} // namespace giftool
