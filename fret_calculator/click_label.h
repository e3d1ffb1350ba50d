#pragma once
// A label that reports a click (press and release over it), as the labels
// beside the check boxes need.

#include <QLabel>
#include <QMouseEvent>

namespace mirefa {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override {
        m_pressed = event->button() == Qt::LeftButton;
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click = m_pressed && event->button() == Qt::LeftButton &&
                           rect().contains(event->position().toPoint());
        m_pressed = false;
        QLabel::mouseReleaseEvent(event);
        if (click)
            emit clicked();
    }

private:
    bool m_pressed = false;
};

} // namespace mirefa
