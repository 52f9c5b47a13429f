#include "LetterPanel.h"

#include "Definition.h"
#include "EnterClicks.h"
#include "Session.h"

#include <QGridLayout>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace window {

namespace {

// A key drawn with one of two palettes that never change, so that the style's cache
// of drawn button faces keeps two entries per size, however often keys are marked.
// Each key keeps its own copies (a palette copy shares its data), so that they live as
// long as the key does.
class LetterKey : public QPushButton {
public:
    LetterKey(const QString& caption, const QPalette& fresh, const QPalette& used, QWidget* parent)
        : QPushButton(caption, parent), fresh_(fresh), used_(used) {}

    void setUsed(bool used) {
        if (property("used").toBool() != used) {
            setProperty("used", used);
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.palette = property("used").toBool() ? used_ : fresh_;
        painter.drawControl(QStyle::CE_PushButton, option);
    }

private:
    const QPalette fresh_;
    const QPalette used_;
};

QPalette keyPalette(QPalette palette, const QColor& face, const QColor& text) {
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::Active, QPalette::ButtonText, text);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, text);
    return palette;
}

} // namespace

const std::array<QString, LetterPanel::keyCount>& LetterPanel::characters() {
    static const std::array<QString, keyCount> all = [] {
        std::array<QString, keyCount> result;
        for (int i = 0; i < keyCount; ++i) {
            result[static_cast<std::size_t>(i)] =
                toQString(form::letterKeys::characters.substr(static_cast<std::size_t>(i), 1));
        }
        return result;
    }();
    return all;
}

LetterPanel::LetterPanel(QWidget* parent) : QWidget(parent) {
    namespace keys = form::letterKeys;
    const QPalette freshPalette = keyPalette(palette(), toQColor(keys::face), Qt::black);
    const QPalette usedPalette =
        keyPalette(palette(), toQColor(keys::usedFace), toQColor(keys::usedTextColour));
    setObjectName(QStringLiteral("letterPanel"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(keys::gapPixels, keys::gapPixels, keys::gapPixels, keys::gapPixels);
    grid->setSpacing(keys::gapPixels);
    for (int i = 0; i < keyCount; ++i) {
        auto* key = new LetterKey(toQString(keys::caption(i)), freshPalette, usedPalette, this);
        key->setObjectName(QStringLiteral("key(%1)").arg(i));
        QFont font = this->font();
        font.setPointSizeF(keys::keyPointSize(i));
        font.setBold(keys::bold);
        key->setFont(font);
        key->setAutoDefault(false);
        clickOnEnter(key);
        key->setAccessibleName(toQString(keys::accessibleName(i)));
        key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(key, &QPushButton::clicked, this, [this, i] { emit keyChosen(i); });
        grid->addWidget(key, i / keys::columns, i % keys::columns);
        keys_[static_cast<std::size_t>(i)] = key;
    }
}

void LetterPanel::markUsed(game::TextView entered) {
    for (int i = 0; i < keyCount; ++i) {
        const bool used = session::letterKeyUsed(i, entered);
        static_cast<LetterKey*>(keys_[static_cast<std::size_t>(i)])->setUsed(used);
    }
}

} // namespace window
