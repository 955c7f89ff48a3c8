#include "formulacompiler/machinecode.h"
#include <QFileInfo>
#include <libtcc.h>

namespace formulacompiler {
namespace {

const char* const kRuntimeArchive = "libtcc1.a";

class TTccCode : public TMachineCode {
public:
    explicit TTccCode(TCCState* state) : m_state(state) {}
    ~TTccCode() override { tcc_delete(m_state); }
    TTccCode(const TTccCode&) = delete;
    TTccCode& operator=(const TTccCode&) = delete;

    void* Function(const std::string& name) const override { return tcc_get_symbol(m_state, name.c_str()); }
    TCCState* State() const { return m_state; }

private:
    TCCState* m_state;
};

void CollectError(void* opaque, const char* message)
{
    QString& error = *static_cast<QString*>(opaque);
    if (!error.isEmpty()) error += u'\n';
    error += QString::fromUtf8(message);
}

} // namespace

TTccCodeBuilder::TTccCodeBuilder(QString runtimeFolder) : m_runtimeFolder(std::move(runtimeFolder)) {}

QString TTccCodeBuilder::DefaultRuntimeFolder() { return QStringLiteral(ORINDO_TCC_RUNTIME_FOLDER); }

std::unique_ptr<TMachineCode> TTccCodeBuilder::Build(const std::string& source, std::span<const HostFunction> host,
                                                     QString& error)
{
    error.clear();
    TCCState* state = tcc_new();
    if (!state) {
        error = QStringLiteral("Error: tcc_new");
        return nullptr;
    }
    auto code = std::make_unique<TTccCode>(state);
    tcc_set_error_func(state, &error, &CollectError);
    const QByteArray folder = m_runtimeFolder.toLocal8Bit();
    tcc_set_lib_path(state, folder.constData());
    // No C library, no start-up files, no include paths: the source declares
    // all it uses, and every function it calls is handed over below.
    tcc_set_options(state, "-nostdlib -nostdinc");
    if (tcc_set_output_type(state, TCC_OUTPUT_MEMORY) < 0) return nullptr;
    if (tcc_compile_string(state, source.c_str()) < 0) return nullptr;
    // An archive only lends the members that the code compiled so far needs.
    const QString archive = m_runtimeFolder + u'/' + QLatin1String(kRuntimeArchive);
    if (QFileInfo(archive).isFile()) tcc_add_file(state, archive.toLocal8Bit().constData());
    for (const HostFunction& function : host) tcc_add_symbol(state, function.name, function.address);
    if (tcc_relocate(state, TCC_RELOCATE_AUTO) < 0) {
        if (error.isEmpty()) error = QStringLiteral("Error: relocation failed");
        return nullptr;
    }
    return code;
}

} // namespace formulacompiler
