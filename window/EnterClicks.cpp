#include "EnterClicks.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>

namespace window {

namespace {

// Lives as a child of its button, and watches its key presses.
class EnterClicks : public QObject {
public:
    explicit EnterClicks(QAbstractButton* button) : QObject(button), button_(button) {
        button->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != button_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return false;
        }
        if (button_->isEnabled()) {
            button_->click();
        }
        return true;
    }

private:
    QAbstractButton* button_;
};

} // namespace

void clickOnEnter(QAbstractButton* button) {
    new EnterClicks(button);
}

} // namespace window
