#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <array>

// One piece of a written formula: plain text, a letter squared, a square root over
// other pieces, or a fraction with a bar.
struct FormulaPiece {
    enum class Kind { Text, Squared, Root, Fraction };

    Kind kind = Kind::Text;
    QString text; // the text, the squared letter, or a fraction's numerator
    QString denominator;
    QList<FormulaPiece> radicand;

    static FormulaPiece plain(const QString& text) { return {Kind::Text, text, {}, {}}; }
    static FormulaPiece squared(const QString& base) { return {Kind::Squared, base, {}, {}}; }
    static FormulaPiece root(const QList<FormulaPiece>& radicand) { return {Kind::Root, {}, {}, radicand}; }
    static FormulaPiece fraction(const QString& numerator, const QString& denominator)
    {
        return {Kind::Fraction, numerator, denominator, {}};
    }
};

using Formula = QList<FormulaPiece>;

// A light-blue strip that shows one formula set of a calculator: the word "Using"
// above the case's heading, then three formulas drawn as a person writes them
// (fractions with a bar, a drawn radical, a small raised exponent), separated by
// short vertical rules.
class FormulaPanel : public QWidget
{
    Q_OBJECT

public:
    FormulaPanel(const QString& heading, const std::array<Formula, 3>& formulas,
                 QWidget* parent = nullptr);

    // The formulas as one line of text ("c = √(a² + b²)"), for screen readers.
    static QString plainText(const Formula& formula);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_heading;
    std::array<Formula, 3> m_formulas;
};
