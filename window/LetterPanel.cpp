#include "LetterPanel.h"

#include <QGridLayout>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace window {

namespace {

constexpr int columns = 8;
constexpr qreal blankKeyPointSize = 10; // the word "интервал" fits its key
const QColor keyColour(255, 192, 128);  // the face of "Въвеждам буква"
const QColor usedKeyColour(224, 224, 224);
const QColor usedTextColour(96, 96, 96);

QString accessibleNameOf(const QString& character) {
    if (character == QStringLiteral(" ")) {
        return QStringLiteral("Интервал");
    }
    if (character == QStringLiteral("-")) {
        return QStringLiteral("Тире");
    }
    return QStringLiteral("Буква %1").arg(character);
}

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
        const QString letters = QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ");
        for (qsizetype i = 0; i < letters.size(); ++i) {
            result[static_cast<std::size_t>(i)] = letters.mid(i, 1);
        }
        result[30] = QStringLiteral(" ");
        result[31] = QStringLiteral("-");
        return result;
    }();
    return all;
}

LetterPanel::LetterPanel(QWidget* parent) : QWidget(parent) {
    const QPalette freshPalette = keyPalette(palette(), keyColour, Qt::black);
    const QPalette usedPalette = keyPalette(palette(), usedKeyColour, usedTextColour);
    setObjectName(QStringLiteral("letterPanel"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);
    QFont keyFont = font();
    keyFont.setPointSizeF(14.25);
    keyFont.setBold(true);
    for (int i = 0; i < keyCount; ++i) {
        const QString& character = characters()[static_cast<std::size_t>(i)];
        auto* key =
            new LetterKey(character == QStringLiteral(" ") ? QStringLiteral("интервал") : character,
                          freshPalette, usedPalette, this);
        key->setObjectName(QStringLiteral("key(%1)").arg(i));
        QFont font = keyFont;
        if (character == QStringLiteral(" ")) {
            font.setPointSizeF(blankKeyPointSize);
        }
        key->setFont(font);
        key->setAutoDefault(false);
        key->setAccessibleName(accessibleNameOf(character));
        key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(key, &QPushButton::clicked, this,
                [this, character] { emit letterChosen(character); });
        grid->addWidget(key, i / columns, i % columns);
        keys_[static_cast<std::size_t>(i)] = key;
    }
    markUsed({});
}

void LetterPanel::markUsed(const QString& entered) {
    for (int i = 0; i < keyCount; ++i) {
        const bool used = entered.contains(characters()[static_cast<std::size_t>(i)]);
        static_cast<LetterKey*>(keys_[static_cast<std::size_t>(i)])->setUsed(used);
    }
}

} // namespace window
