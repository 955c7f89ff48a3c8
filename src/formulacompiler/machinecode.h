#pragma once
#include "formulacompiler/hostmath.h"
#include <QString>
#include <memory>
#include <span>
#include <string>

// Turning C source into machine code in this process: no files, no other
// process. The compiler of formulas asks a TCodeBuilder for the code; tests
// put in builders that fail.
namespace formulacompiler {

// Machine code in memory; it goes when the object goes.
class TMachineCode {
public:
    virtual ~TMachineCode() = default;
    // The address of a function of the code, or nullptr.
    virtual void* Function(const std::string& name) const = 0;
};

class TCodeBuilder {
public:
    virtual ~TCodeBuilder() = default;
    // The code of source, which may call the host functions given (and
    // nothing else); nothing, with error set to the compiler's messages,
    // when it does not build.
    virtual std::unique_ptr<TMachineCode> Build(const std::string& source, std::span<const HostFunction> host,
                                                QString& error) = 0;
};

// The builder on the tcc library. The generated code is linked without the C
// library and without start-up files; the compiler's own run-time archive
// (libtcc1.a in runtimeFolder) is added when it is there, for any helper the
// compiler might call.
class TTccCodeBuilder : public TCodeBuilder {
public:
    explicit TTccCodeBuilder(QString runtimeFolder = DefaultRuntimeFolder());
    std::unique_ptr<TMachineCode> Build(const std::string& source, std::span<const HostFunction> host,
                                        QString& error) override;

    // Where the tcc package puts libtcc1.a on this system.
    static QString DefaultRuntimeFolder();

private:
    QString m_runtimeFolder;
};

} // namespace formulacompiler
