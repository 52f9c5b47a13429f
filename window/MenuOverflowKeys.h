#pragma once

#include <QObject>

class QMenuBar;

namespace window {

/// Lets the keyboard reach the menu items that do not fit the menu bar, which shows them
/// in the menu of its overflow button: an arrow key that would move the highlight onto
/// one of them opens that menu with the item highlighted, as a click on the button does.
class MenuOverflowKeys : public QObject {
public:
    explicit MenuOverflowKeys(QMenuBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* bar_;
};

} // namespace window
