#include "scroll_keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace platform {

namespace {

const char* const filterName = "scrollKeys";

class ScrollKeys : public QObject {
public:
    explicit ScrollKeys(QScrollBar* bar)
        : QObject(bar)
        , m_bar(bar) {
        setObjectName(filterName);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_bar || event->type() != QEvent::KeyPress)
            return false;
        const auto action = actionFor(static_cast<QKeyEvent*>(event)->key());
        if (action == QAbstractSlider::SliderNoAction)
            return false;
        m_bar->triggerAction(action);
        return true;
    }

private:
    QAbstractSlider::SliderAction actionFor(int key) const {
        const bool mirrored = m_bar->orientation() == Qt::Horizontal && m_bar->isRightToLeft();
        switch (key) {
        case Qt::Key_Right:
            return mirrored ? QAbstractSlider::SliderSingleStepSub
                            : QAbstractSlider::SliderSingleStepAdd;
        case Qt::Key_Left:
            return mirrored ? QAbstractSlider::SliderSingleStepAdd
                            : QAbstractSlider::SliderSingleStepSub;
        case Qt::Key_Down:
            return QAbstractSlider::SliderSingleStepAdd;
        case Qt::Key_Up:
            return QAbstractSlider::SliderSingleStepSub;
        case Qt::Key_PageDown:
            return QAbstractSlider::SliderPageStepAdd;
        case Qt::Key_PageUp:
            return QAbstractSlider::SliderPageStepSub;
        default:
            return QAbstractSlider::SliderNoAction;
        }
    }

    QScrollBar* m_bar;
};

} // namespace

void installScrollKeys(QScrollBar* bar) {
    // Twice would step twice.
    if (bar->findChild<QObject*>(filterName, Qt::FindDirectChildrenOnly) == nullptr)
        bar->installEventFilter(new ScrollKeys(bar));
}

} // namespace platform
