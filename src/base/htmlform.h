#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The first form of an HTML page and the page's title, as plain data.
//
// The HTML view keeps these in C++ so that windows can read and write form
// fields without waiting for the browser. Right after a page is handed to the
// view they come from ScanPage (read from the page text the way a browser's
// parser would); from then on the browser's own reports replace them.
namespace base {

// One control of the first form. Buttons (submit, reset, button, image) and
// file inputs are not fields.
struct FormField {
    QString name;
    // The browser's type: "text", "hidden", "password", "checkbox", "radio",
    // "textarea", "select-one", "select-multiple", ...
    QString type;
    QString value;           // text value, or the value a ticked box reports
    bool checked = false;    // check boxes and radio buttons
    QStringList options;     // values of a list's options
    QList<bool> selected;    // which options are selected, one per option

    bool isCheckable() const { return type == u"checkbox" || type == u"radio"; }
    bool isSelect() const { return type.startsWith(u"select"); }
    bool operator==(const FormField&) const = default;
};

struct PageSummary {
    QString title;           // text of the first <TITLE>, spaces collapsed
    bool hasForm = false;
    QList<FormField> fields; // controls of the first form, in page order
};

// Reads title and first form from page text. Never fails: tag soup gives
// what a browser would most likely make of it.
PageSummary ScanPage(const QString& html);

// The form's values as "name=value" lines, the way a form reports them on
// submission: ticked boxes and radio buttons with their value (unticked ones
// are left out), every selected option of a list, text fields as they stand.
QStringList FormValues(const QList<FormField>& fields);

// The fields named name (letter case ignored), in order.
QList<int> FieldsNamed(const QList<FormField>& fields, const QString& name);

// Sets fields from "name=value" lines (names without regard to letter case):
// a text field takes the value (the k-th field of a name the k-th value of
// that name); a check box or radio button is ticked exactly when its value is
// among the values given for its name (one radio button per name at most);
// a list selects the options whose value is given. Fields whose name is not
// in the lines are left alone. Returns the indexes of fields that changed.
QList<int> ApplyFormValues(QList<FormField>& fields, const QStringList& lines);

// "&amp;", "&lt;", "&#1040;", "&#x410;" ... to their characters.
QString DecodeEntities(const QString& text);

} // namespace base
