#pragma once
#include <QDialog>
#include <QString>
#include <utility>

class QLineEdit;
class QPushButton;

// The two small dialogs through which the plane control renames a point (or
// a polygon's caption) and types a point's coordinates. Both stay on top,
// centred on the screen, with the first field focused; their values pass
// through setters before they are shown and are read after OK.
namespace planeview {

// The name dialog.
class TffDialog : public QDialog {
public:
    explicit TffDialog(QWidget* parent = nullptr);

    void SetName(const QString& name);
    QString Name() const;

    QLineEdit* Edit1;
    QPushButton* btOK;

protected:
    void showEvent(QShowEvent* event) override;
};

// The coordinates dialog.
class TffDialog1 : public QDialog {
public:
    explicit TffDialog1(QWidget* parent = nullptr);

    void SetCoordinates(const QString& x, const QString& y);
    // The two fields read as one line of words: the first word is x, the
    // second y (so "1 2" typed into the first field gives both).
    std::pair<QString, QString> Coordinates() const;

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* btOK;

protected:
    void showEvent(QShowEvent* event) override;
};

inline const QString kNameCaption = QStringLiteral("Введите имя:");
inline const QString kCoordinatesCaption = QStringLiteral("Введите координаты:");

} // namespace planeview
