#include "formulacompiler/machinecode.h"
#include <QFileInfo>
#include <libtcc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace formulacompiler {
namespace {

const char* const kRuntimeArchive = "libtcc1.a";

// The code lies in pages of its own, executable and never written once
// relocated: nothing else shares them, so no write of the program lands next
// to the code (which would make the processor discard what it decoded), and
// no page is writable and executable at once.
class TTccCode : public TMachineCode {
public:
    explicit TTccCode(TCCState* state) : m_state(state) {}
    ~TTccCode() override
    {
        tcc_delete(m_state);
        if (m_pages != MAP_FAILED) munmap(m_pages, m_size);
    }
    TTccCode(const TTccCode&) = delete;
    TTccCode& operator=(const TTccCode&) = delete;

    bool Relocate()
    {
        const int size = tcc_relocate(m_state, nullptr);
        if (size <= 0) return false;
        const size_t page = size_t(sysconf(_SC_PAGESIZE));
        m_size = (size_t(size) + page - 1) / page * page;
        m_pages = mmap(nullptr, m_size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (m_pages == MAP_FAILED) return false;
        if (tcc_relocate(m_state, m_pages) < 0) return false;
        return mprotect(m_pages, m_size, PROT_READ | PROT_EXEC) == 0;
    }

    void* Function(const std::string& name) const override { return tcc_get_symbol(m_state, name.c_str()); }

private:
    TCCState* m_state;
    void* m_pages = MAP_FAILED;
    size_t m_size = 0;
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
    auto code = std::make_unique<TTccCode>(state);  // frees the state on every way out
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
    if (!code->Relocate()) {
        if (error.isEmpty()) error = QStringLiteral("Error: relocation failed");
        return nullptr;
    }
    return code;
}

} // namespace formulacompiler
