#include "MenuOverflowKeys.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace window {

MenuOverflowKeys::MenuOverflowKeys(QMenuBar* bar) : QObject(bar), bar_(bar) {
    bar->installEventFilter(this);
}

bool MenuOverflowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    const QList<QAction*> items = bar_->actions();
    const qsizetype at = items.indexOf(bar_->activeAction());
    // Qt's own name of the button, which shows only while some item does not fit.
    auto* overflow = bar_->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    if ((key != Qt::Key_Right && key != Qt::Key_Left) || at < 0 || overflow == nullptr ||
        !overflow->isVisible() || overflow->menu() == nullptr) {
        return QObject::eventFilter(watched, event);
    }
    // The bar's own arrow keys go round its items, the ones that do not fit included.
    const qsizetype next = (at + (key == Qt::Key_Right ? 1 : items.size() - 1)) % items.size();
    if (bar_->actionGeometry(items[next]).right() < overflow->x()) {
        return QObject::eventFilter(watched, event);
    }
    QMenu* menu = overflow->menu();
    bar_->setActiveAction(nullptr);
    menu->popup(overflow->mapToGlobal(QPoint(0, overflow->height())));
    menu->setActiveAction(items[next]);
    return true;
}

} // namespace window
