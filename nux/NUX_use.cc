// NUX use: the "use" command, which turns a QOR message file into call scripts. Until the QOR
// reader is joined to the compiler, a script that names a QOR file stops with a clear message.
#include "nux/NUX.hh"

#include "foundation/FatalError.hh"

void NUX::do_use(FunctionList &, DeclarationList &, const Dstr &filename, AList *) {
  FatalError("QOR files are not supported by this compiler yet: use ", filename, " on line ",
             lineNumber, " of NUX file");
}
