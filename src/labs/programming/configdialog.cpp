#include "labs/programming/configdialog.h"
#include "base/folders.h"
#include "base/paths.h"
#include "shellcalls/shellcalls.h"
#include "ui/dialogs.h"
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace programminglab {
namespace {

const QString kCaption = QStringLiteral("Среда программирования:");
const QString kExecutableFilter = QStringLiteral("Исполняемые файлы|*");
constexpr int kPathWidth = 360;

// The right-click menu "Что это такое?" of a control, as in the lab windows.
void AddHelpMenu(QWidget* control)
{
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(control, &QWidget::customContextMenuRequested, control, [control](const QPoint& at) {
        auto* menu = new QMenu(control);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(QStringLiteral("Что это такое?"), control, [control] { shellcalls::guide().ShowControlHelp(control); });
        menu->popup(control->mapToGlobal(at));
    });
}

template <class Control>
Control* Named(Control* control, const QString& name, const QString& hint)
{
    control->setObjectName(name);
    control->setToolTip(hint);
    AddHelpMenu(control);
    return control;
}

} // namespace

TffConfig::TffConfig(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ffConfig"));
    setWindowTitle(kCaption);
    edPath = Named(new QLineEdit(this), QStringLiteral("edPath"), QStringLiteral("Программа среды программирования"));
    edPath->setReadOnly(true);
    edPath->setMinimumWidth(kPathWidth);
    btBrowse = Named(new QToolButton(this), QStringLiteral("btBrowse"), QStringLiteral("Настройка среды программирования"));
    btBrowse->setText(QStringLiteral("..."));
    edExt = Named(new QLineEdit(this), QStringLiteral("edExt"), QStringLiteral("Расширение файлов программ, без точки"));
    edName = Named(new QLineEdit(this), QStringLiteral("edName"), QStringLiteral("Название среды на кнопке лаборатории"));
    cbEncoding = Named(new QComboBox(this), QStringLiteral("cbEncoding"), QStringLiteral("В какой кодировке среда хранит тексты программ"));
    cbEncoding->addItems({QStringLiteral("DOS"), QStringLiteral("Windows")});
    btOK = Named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("btOK"), QStringLiteral("Запомнить настройку"));
    btOK->setDefault(true);

    auto* path = new QHBoxLayout;
    path->addWidget(edPath, 1);
    path->addWidget(btBrowse);
    auto* form = new QFormLayout;
    form->addRow(kCaption, path);
    form->addRow(QStringLiteral("Расширение программных файлов:"), edExt);
    form->addRow(QStringLiteral("Название среды:"), edName);
    form->addRow(QStringLiteral("Кодировка текста:"), cbEncoding);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(btOK, 0, Qt::AlignRight);

    connect(btBrowse, &QToolButton::clicked, this, &TffConfig::btBrowseClick);
    connect(btOK, &QPushButton::clicked, this, &TffConfig::btOKClick);
}

void TffConfig::ShowSettings(const programming::ProgramSettings& settings)
{
    m_shown = settings;
    edPath->setText(settings.environment);
    edExt->setText(settings.extension);
    edName->setText(settings.name);
    cbEncoding->setCurrentIndex(int(settings.encoding));
}

programming::ProgramSettings TffConfig::Settings() const
{
    // Through the reader of the file, so that the dialog accepts exactly what
    // the file keeps (an extension that names no file keeps the one shown).
    return programming::ReadSettings(
        programming::SettingsLines({edPath->text().trimmed(), edExt->text().trimmed(), edName->text().trimmed(),
                                    programming::TextEncoding(cbEncoding->currentIndex())}),
        m_shown);
}

void TffConfig::btBrowseClick()
{
    const QString start = edPath->text().isEmpty() ? QString() : QFileInfo(edPath->text()).absolutePath();
    const QString file = ui::dialogs().openFile(kExecutableFilter, QString(), start);
    if (file.isEmpty()) return;
    edPath->setText(file);
    base::ForceFolder(m_userFolder + QStringLiteral("Programs\\"));
}

void TffConfig::btOKClick()
{
    const programming::ProgramSettings settings = Settings();
    if (!programming::SaveSettings(m_userFolder, settings)) {
        ui::ShowMessage(QStringLiteral("Не удается сохранить файл \"") + programming::SettingsPath(m_userFolder) + u'"');
        return;
    }
    ShowSettings(settings);
    accept();
}

} // namespace programminglab
