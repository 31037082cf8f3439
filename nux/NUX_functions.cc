// NUX functions: finding the generated function a script's "begin" line names, making it
// active and inactive, and writing all functions to the source file at the end.
#include "nux/NUX.hh"

#include <algorithm>
#include <cstring>
#include <vector>

#include "foundation/FatalError.hh"
#include "foundation/IgnorableError.hh"
#include "foundation/NearestName.hh"
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

// What the functions of the list offer a misspelt name: the interfaces, and the operation and
// attribute names of one of them.
struct FunctionNames {
  std::vector<Dstr> interfaces;
  std::vector<Dstr> operations;
  // Whether the operation asked for is there only as an attribute's get function.
  bool onlyGetter = false;
  // Whether the operation asked for is there, but defined already.
  bool defined = false;
};

void add_once(std::vector<Dstr> &names, const Dstr &name) {
  if (std::find(names.begin(), names.end(), name) == names.end())
    names.push_back(name);
}

FunctionNames names_of(const FunctionList &functions, const Dstr &className,
                       const Dstr &operationName) {
  FunctionNames names;
  bool setter = false;
  for (unsigned int i = 0; const Function *f = functions[i]; ++i) {
    if (f->idl_interface_name.isNull())
      continue;
    add_once(names.interfaces, f->idl_interface_name);
    if (f->idl_interface_name != className)
      continue;
    add_once(names.operations, f->idl_operation_name);
    if (f->idl_operation_name != operationName)
      continue;
    names.onlyGetter = f->idl_op_type == Function::attribute_get && !setter;
    setter = setter || f->idl_op_type != Function::attribute_get;
    names.defined = !f->is_stub();
  }
  return names;
}

}  // namespace

Explanation NUX::explain_unmatched(const FunctionList &functions,
                                   const DeclarationList &declarations, const Dstr &name,
                                   int skipGetters) const {
  const int colon = name.strrchr(':');
  const Dstr operationName(name.ascharfrom(colon + 1));
  Dstr identifier(name);
  identifier -= colon - 1;
  const DeclarationList::declaration *decl = declarations[identifier];
  const Dstr &className = decl ? decl->type : identifier;
  const FunctionNames names = names_of(functions, className, operationName);
  if (names.interfaces.empty())
    return explain(name, ": a script compiled on its own has only main; the functions of a "
                   "server come with its IDL file");
  if (names.operations.empty() && decl)
    return explain_at(scriptName, decl->line, identifier, " is declared as ", className,
                      ", which is no interface of the IDL file",
                      did_you_mean(className, names.interfaces));
  if (names.operations.empty()) {
    std::vector<Dstr> known = declarations.names();
    known.insert(known.end(), names.interfaces.begin(), names.interfaces.end());
    return explain(identifier, " is neither a declared object nor an interface of the IDL file",
                   did_you_mean(identifier, known));
  }
  if (skipGetters && names.onlyGetter)
    return explain(operationName, " of ", className,
                   " is a readonly attribute: a message with In: would set it");
  if (names.defined)
    return explain(className, "::", operationName, " is defined already: through the interface's "
                   "name each function is begun once; a declared object of the interface "
                   "may add to it");
  return explain(className, " has no operation or attribute ", operationName,
                 did_you_mean(operationName, names.operations));
}

Function *NUX::nuxfunction2realfunction(FunctionList &functions, DeclarationList &declarations,
                                        const Dstr &name, declaration *&decl,
                                        int skipGetters) {
  decl = nullptr;
  if (name == "main")
    return mainFunction;
  // The identifier before the last "::" needs one character at least.
  const int colon = name.strrchr(':');
  if (colon < 2 || name[colon - 1] != ':')
    FatalError(explain(name, " names no function: a function is main, object::operation or "
                       "Interface::operation, with at least one character before the last ::"),
               name, " needs an identifier:: on line ", lineNumber, " of NUX file");
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

void NUX::require_no_active_function(const Dstr &name) const {
  if (activeFunction)
    FatalError(explain("begin ", name, " inside the function ", activeName, " begun on line ",
                       activeLine, ", which has no end yet"),
               "Previous function not ended at line ", lineNumber, " of NUX file");
}

void NUX::enter_function(const Dstr &name, Function *f, declaration *decl) {
  activeName = name;
  activeLine = lineNumber;
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
  require_no_active_function(name);
  declaration *decl;
  Function *f = nuxfunction2realfunction(functions, declarations, name, decl, 0);
  if (!f) {
    // The explanation looks names up again, which records messages of its own.
    const Dstr message(ignerrmsg);
    FatalError(explain_unmatched(functions, declarations, name, 0), message);
  }
  f->only_qor_scripts = false;
  enter_function(name, f, decl);
}

void NUX::do_begin_function(QOR_function_list::function *f) {
  require_no_active_function(f->name);
  Function *defined = f->realfunction;
  defined->only_qor_scripts = defined->is_stub() || defined->only_qor_scripts;
  enter_function(f->name, defined, f->declaration);
}

void NUX::do_end_function(const Dstr &name) {
  if (!activeFunction)
    FatalError(explain("end ", name, " ends no function: none is begun"),
               "No active function at line ", lineNumber, " of NUX file");
  if (name != activeName)
    FatalError(explain("end ", name, " does not match begin ", activeName, " on line ",
                       activeLine),
               "Mismatched end command at line ", lineNumber, " of NUX file");
  if (activeDecl && activeDecl->name.length() > 0) {
    variables->define("SERVER_IDENTIFIER", activeDecl->name);
    emit_code("cc.class.member.end.instance");
  }
  activeFunction = nullptr;
}

// main belongs to no interface and opens no class of its own; the closing after the last
// function closes whatever class is open. A body the script wrote is followed by a directive
// back at the source file. A server function made of QOR scripts alone ends with
// "cc.qor.scripts.after": a call that reaches it and that no script took is unexpected.
void NUX::output_cc(Dstr &cc, FunctionList &functions, AList *classmap) {
  if (sourceFollowsScript)
    point_back_at_source(cc);
  Dstr current;
  for (unsigned int i = 0; Function *f = functions[i]; ++i) {
    if (f->idl_interface_name != current) {
      if (!current.isNull())
        cat_binding(cc, "cc.class.end");
      current = f->idl_interface_name;
      set_interface(current);
      if (f->cc_function_name != "main")
        do_class_begin(cc, f->cc_class_name, baseNamesOf(f->idl_interface), "cc", classmap);
    }
    for (const Dstr *text : {&f->cc_classvars, &f->cc_begin, &f->cc_code})
      cc += *text;
    if (!f->is_stub())
      point_back_at_source(cc);
    if (f->only_qor_scripts && f != mainFunction)
      cat_binding(cc, "cc.qor.scripts.after");
    cc += f->cc_end;
  }
  cat_binding(cc, "cc.class.end");
}

// The directive, one line, is followed by the line it names.
void NUX::point_back_at_source(Dstr &cc) {
  sourceFollowsScript = false;
  if (!lineDirectives)
    return;
  for (const char *end; (end = static_cast<const char *>(memchr(
                             cc.aschar() + countedTo, '\n', cc.length() - countedTo)));) {
    ++sourceLines;
    countedTo = static_cast<unsigned int>(end - cc.aschar()) + 1;
  }
  variables->define("DIRECTIVE_FILE", sourceName);
  variables->define("DIRECTIVE_LINE", join_pieces(sourceLines + 2));
  cat_binding(cc, "cc.line");
}
