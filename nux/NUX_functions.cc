// NUX functions: finding the generated function a script's "begin" line names, making it
// active and inactive, and writing all functions to the source file at the end.
#include "nux/NUX.hh"

#include "foundation/FatalError.hh"
#include "foundation/IgnorableError.hh"
#include "idlgen/AST_Utils.hh"

namespace {

// Whether f is the function operationName of className. Through an interface name only a
// function that is still a stub qualifies, so each "begin" takes the next undefined one.
bool names_function(const Function &f, const Dstr &className, const Dstr &operationName,
                    bool throughDeclaration, int skipGetters) {
  return f.idl_interface_name == className && f.idl_operation_name == operationName &&
         (throughDeclaration || f.is_stub()) &&
         (!skipGetters || f.idl_op_type != Function::attribute_get);
}

}  // namespace

Function *NUX::nuxfunction2realfunction(FunctionList &functions, DeclarationList &declarations,
                                        const Dstr &name, declaration *&decl,
                                        int skipGetters) {
  decl = nullptr;
  if (name == "main")
    return mainFunction;
  const int colon = name.strrchr(':');
  if (colon <= 2 || name[colon - 1] != ':')
    FatalError(name, " needs an identifier:: on line ", lineNumber, " of NUX file");
  const Dstr operationName(name.ascharfrom(colon + 1));
  Dstr identifier(name);
  identifier -= colon - 1;

  decl = declarations[identifier];
  const Dstr &className = decl ? decl->type : identifier;
  const bool throughDeclaration = decl != nullptr;
  if (Function *f = functions.first_named(className, operationName, [&](const Function &f) {
        return names_function(f, className, operationName, throughDeclaration, skipGetters);
      }))
    return f;
  IgnorableError("No remaining functions matching ", name, " on line ", lineNumber,
                 " of NUX file");
  return nullptr;
}

void NUX::require_no_active_function() const {
  if (activeFunction)
    FatalError("Previous function not ended at line ", lineNumber, " of NUX file");
}

void NUX::enter_function(const Dstr &name, Function *f, declaration *decl) {
  activeName = name;
  activeFunction = f;
  activeFunction->destub();
  if (decl && decl->name.length() > 0) {
    variables->define("SERVER_IDENTIFIER", decl->name);
    emit_code("cc.class.member.begin.instance");
  }
  activeDecl = decl;
}

void NUX::do_begin_function(FunctionList &functions, DeclarationList &declarations,
                            const Dstr &name) {
  require_no_active_function();
  declaration *decl;
  Function *f = nuxfunction2realfunction(functions, declarations, name, decl, 0);
  check(f);
  f->only_qor_scripts = false;
  enter_function(name, f, decl);
}

void NUX::do_begin_function(QOR_function_list::function *f) {
  require_no_active_function();
  Function *defined = f->realfunction;
  defined->only_qor_scripts = defined->is_stub() || defined->only_qor_scripts;
  enter_function(f->name, defined, f->declaration);
}

void NUX::do_end_function(const Dstr &name) {
  if (!activeFunction)
    FatalError("No active function at line ", lineNumber, " of NUX file");
  if (name != activeName)
    FatalError("Mismatched end command at line ", lineNumber, " of NUX file");
  if (activeDecl && activeDecl->name.length() > 0) {
    variables->define("SERVER_IDENTIFIER", activeDecl->name);
    emit_code("cc.class.member.end.instance");
  }
  activeFunction = nullptr;
}

// main belongs to no interface and opens no class of its own; the closing after the last
// function closes whatever class is open. A server function made of QOR scripts alone ends
// with "cc.qor.scripts.after": a call that reaches it and that no script took is unexpected.
void NUX::output_cc(FILE *cc, FunctionList &functions, AList *classmap) {
  Dstr current;
  for (unsigned int i = 0; Function *f = functions[i]; ++i) {
    if (f->only_qor_scripts && f != mainFunction)
      cat_binding(f->cc_code, "cc.qor.scripts.after");
    if (f->idl_interface_name != current) {
      if (!current.isNull())
        cat_binding(cc, "cc.class.end");
      current = f->idl_interface_name;
      set_interface(current);
      if (f->cc_function_name != "main")
        do_class_begin(cc, f->cc_class_name, baseNamesOf(f->idl_interface), "cc", classmap);
    }
    for (const Dstr *text : {&f->cc_classvars, &f->cc_begin, &f->cc_code, &f->cc_end})
      fputs(text->aschar(), cc);
  }
  cat_binding(cc, "cc.class.end");
}
