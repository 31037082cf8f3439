// NUX use: the "use" command. It reads a QOR message file, counts its messages per called
// function, and writes each such function's body as a call script: the calls the binding is to
// expect, then one numbered case per message, checking the "In:" values it expects and setting
// the "Out:" values it returns or raising its "Raises:" exception.
#include "nux/NUX.hh"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "foundation/FatalError.hh"
#include "foundation/IgnorableError.hh"
#include "foundation/NearestName.hh"
#include "foundation/OutputFile.hh"
#include "frontend/ast_operation.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/ast_structure.hh"
#include "frontend/utl_lists.hh"
#include "frontend/utl_scope.hh"
#include "idlgen/AST_Utils.hh"
#include "qor/qor_y.hh"

namespace {

// The QOR file a "use" line names: a name in double quotes is opened without them.
Dstr unquoted(const Dstr &name) {
  const unsigned int length = name.length();
  if (length < 2 || name[0] != '"' || name[length - 1] != '"')
    return name;
  Dstr inner(name.ascharfrom(1));
  inner -= length - 2;
  return inner;
}

// The messages of the QOR file name; a file that cannot be read or parsed, or that is one of the
// outputs, ends the run.
qormessage *read_qor_file(const Dstr &name) {
  OutputFile::check_not_an_output(name, join_pieces("QOR file ", name).aschar());
  FILE *file = fopen(name.aschar(), "r");
  if (!file) {
    const int error = errno;
    perror(name.aschar());
    FatalError(explain("use names the QOR file ", name, ", which cannot be opened: ",
                       strerror(error)),
               "can't open ", name, " for reading");
  }
  qormessage *messages = parse_qor_file(file);
  fclose(file);
  return messages;
}

// The elements of an "In:", "Out:" or "Raises:" value, which must be a brace list; it cannot be
// empty.
// example shows the list the part takes.
cp_aggr_node *brace_list_elements(const dcp_val &v, const char *part, const char *example,
                                  const char *badSpecification) {
  if (v.kind != dcp_aggr || dcp_aggr_of(v)->aggr_kind != cp_struct || !dcp_aggr_of(v)->head)
    FatalError(explain(part, " takes a brace list, as ", part, " ", example), badSpecification);
  return dcp_aggr_of(v)->head;
}

const char *const valuesExample = "{1, \"a\"}";

// Stops when a part of a message gives another number of values than the function takes:
// "In: gives 1 value, and Calc::add takes 2: a, b". taken names what the values are for.
void require_values(const char *part, const cp_aggr_node *v, const Function &f,
                    const std::vector<Dstr> &taken, const char *specification) {
  const unsigned int given = count_elements(v);
  if (given == taken.size())
    return;
  Dstr names;
  for (const Dstr &name : taken)
    names += join_pieces(names.isNull() ? "" : ", ", name);
  FatalError(explain(part, " gives ", given, given == 1 ? " value" : " values", ", and ",
                     f.idl_interface_name, "::", f.idl_operation_name, " takes ",
                     static_cast<int>(taken.size()), taken.empty() ? "" : ": ", names),
             specification, given < taken.size() ? ": not enough parameters"
                                                  : ": too many parameters");
}

// The arguments of operation op in declaration order, without those passed as skipped.
std::vector<AST_Argument *> arguments_except(AST_Decl *op, AST_Argument::Direction skipped) {
  std::vector<AST_Argument *> arguments;
  UTL_Scope *scope = AST_Operation::narrow_from_decl(op);
  for (UTL_ScopeActiveIterator i(scope, UTL_Scope::SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    AST_Argument *a = AST_Argument::narrow_from_decl(i.item());
    if (a->direction() != skipped)
      arguments.push_back(a);
  }
  return arguments;
}

bool is_void(AST_Type *t) {
  AST_PredefinedType *p = AST_PredefinedType::narrow_from_decl(t);
  return p && p->pt() == AST_PredefinedType::PREDEF_VOID;
}

// The standard system exceptions, which any call may raise.
constexpr std::string_view systemExceptions[] = {
    "UNKNOWN", "BAD_PARAM", "NO_MEMORY", "IMP_LIMIT", "COMM_FAILURE", "INV_OBJREF",
    "NO_PERMISSION", "INTERNAL", "MARSHAL", "INITIALIZE", "NO_IMPLEMENT", "BAD_TYPECODE",
    "BAD_OPERATION", "NO_RESOURCES", "NO_RESPONSE", "PERSIST_STORE", "BAD_INV_ORDER",
    "TRANSIENT", "FREE_MEM", "INV_IDENT", "INV_FLAG", "INTF_REPOS", "BAD_CONTEXT", "OBJ_ADAPTER",
    "DATA_CONVERSION", "OBJECT_NOT_EXIST", "TRANSACTION_REQUIRED", "TRANSACTION_ROLLEDBACK",
    "INVALID_TRANSACTION", "INV_POLICY", "CODESET_INCOMPATIBLE", "REBIND", "TIMEOUT",
    "TRANSACTION_UNAVAILABLE", "TRANSACTION_MODE", "BAD_QOS"};

// Whether name is CORBA:: and a standard system exception.
bool is_system_exception(const char *name) {
  const std::string_view text(name);
  const std::string_view module("CORBA::");
  if (text.substr(0, module.size()) != module)
    return false;
  for (std::string_view e : systemExceptions) {
    if (text.substr(module.size()) == e)
      return true;
  }
  return false;
}

// The system exceptions by their scoped names, for a "did you mean". The views are of literals,
// which end in a null character.
std::vector<Dstr> system_exception_names() {
  std::vector<Dstr> names;
  for (std::string_view e : systemExceptions)
    names.push_back(join_pieces("CORBA::", e.data()));
  return names;
}

// The exception of op's raises clause that name names, by its scoped or its own name; null when
// none.
AST_Exception *raised_exception(AST_Decl *op, const char *name) {
  AST_Operation *operation = AST_Operation::narrow_from_decl(op);
  if (!operation)
    return nullptr;
  for (UTL_ExceptlistActiveIterator i(operation->exceptions()); !i.is_done(); i.next()) {
    AST_Exception *e = i.item();
    if (strcmp(name, scopedNameOf(e)) == 0 || strcmp(name, nameOf(e)) == 0)
      return e;
  }
  return nullptr;
}

// The scoped names of the exceptions of op's raises clause.
std::vector<Dstr> raised_names(AST_Decl *op) {
  std::vector<Dstr> names;
  AST_Operation *operation = AST_Operation::narrow_from_decl(op);
  if (!operation)
    return names;
  for (UTL_ExceptlistActiveIterator i(operation->exceptions()); !i.is_done(); i.next())
    names.emplace_back(scopedNameOf(i.item()));
  return names;
}

[[noreturn]] void unexpected_operation(const Function &f) {
  FatalError(explain("a QOR message cannot call ", f.idl_interface_name, "::",
                     f.idl_operation_name, ", a constructor"),
             "QOR specified a constructor call or other unexpected operation");
}

// The names of the arguments of operation op, without those passed as skipped.
std::vector<Dstr> argument_names_except(AST_Decl *op, AST_Argument::Direction skipped) {
  std::vector<Dstr> names;
  for (AST_Argument *a : arguments_except(op, skipped))
    names.emplace_back(nameOf(a));
  return names;
}

}  // namespace

void NUX::do_use(FunctionList &functions, DeclarationList &declarations, const Dstr &filename,
                 bool inOrder, AList *classmap) {
  Function *const savedFunction = activeFunction;
  const Dstr savedName(activeName);
  declaration *const savedDecl = activeDecl;
  const int savedLine = activeLine;
  activeFunction = nullptr;

  qorfilename = unquoted(filename);
  // Without a name there is no file to open, and the open error would not say why.
  if (qorfilename.length() == 0)
    FatalError(explain("use names no QOR file"), "use needs a QOR file name on line ",
               lineNumber, " of NUX file");
  progress("Processing QOR file %s\n", qorfilename.aschar());
  qor = read_qor_file(qorfilename);
  {
    // What goes wrong with a message is told at the message, and the code made from it points
    // back at it.
    const ErrorPlace usePlace = error_place();
    QOR_function_list records;
    QorUse use{lineNumber, inOrder, {}};
    for (qormessage *m = qor; m; m = m->next) {
      set_place(qorfilename, m->line);
      records.increment(m, functions, declarations, this);
      use.positions.emplace(m, static_cast<unsigned int>(use.positions.size() + 1));
    }
    for (QOR_function_list::function *f = records.head; f; f = f->next)
      do_qor_script(f, use, classmap);
    set_place(usePlace.file, usePlace.line);
  }
  qorfree(qor);
  qor = nullptr;

  activeFunction = savedFunction;
  activeName = savedName;
  activeDecl = savedDecl;
  activeLine = savedLine;
}

// A call beyond the script selects no case: the counter is never cleared.
void NUX::do_qor_script(QOR_function_list::function *f, const QorUse &use, AList *classmap) {
  progress("  Generating %s\n", f->name.aschar());
  // The script starts at its first message and ends at its last.
  set_place(qorfilename, f->messages.front()->line);
  do_begin_function(f);
  do_begin_qor_script(*f, use);
  unsigned int n = 0;
  for (qormessage *m : f->messages) {
    set_place(qorfilename, m->line);
    do_call_case(join_pieces(++n));
    do_qor_scriptcall(m, classmap);
  }
  do_end_script();
  do_end_function(f->name);
}

// QOR_FUNCTION is the function's IDL name as a person reads it in reports; main has none.
void NUX::do_begin_qor_script(const QOR_function_list::function &f, const QorUse &use) {
  Dstr calls("");
  for (const qormessage *m : f.messages) {
    variables->define("QOR_LINE", join_pieces(m->line));
    variables->define("QOR_POSITION", join_pieces(use.positions.at(m)));
    cat_binding(calls, "cc.qor.script.call");
  }
  const Function &called = *activeFunction;
  define_script_counter();
  variables->define("QOR_FUNCTION", called.idl_interface_name.isNull()
                                        ? Dstr("main")
                                        : join_pieces(called.idl_interface_name, "::",
                                                      called.idl_operation_name));
  variables->define("QOR_FILE", string_literal(qorfilename));
  variables->define("QOR_USE", join_pieces(use.line));
  variables->define("QOR_IN_ORDER", use.inOrder ? "1" : "0");
  variables->define("QOR_CALLS", calls);
  cat_binding(activeFunction->cc_classvars, "cc.qor.script.classvar");
  emit_code("cc.qor.script.begin");
}

// main has no IDL operation, so a message to it has no parameters or result to refer to.
void NUX::do_qor_scriptcall(qormessage *m, AList *classmap) {
  const bool inPart = m->in.kind != dcp_none;
  const bool outPart = m->out.kind != dcp_none;
  const bool raisesPart = m->raises.kind != dcp_none;
  if (activeFunction == mainFunction && (inPart || outPart))
    FatalError(explain("main has no parameters or result: a message to main takes no In: or "
                       "Out:"),
               "QOR specified In: or Out: for main, which has no parameters or result");
  if (activeFunction == mainFunction && raisesPart)
    FatalError(explain("no call reaches main: a message to main takes no Raises:"),
               "QOR specified Raises: for main, which no call reaches");
  if (inPart)
    do_qor_in(m->in, classmap);
  if (outPart)
    do_qor_out(m->out, classmap);
  if (raisesPart)
    do_qor_raises(m->raises, classmap);
  emit_code("cc.end.scriptcall");
}

void NUX::do_qor_in(const dcp_val &in, AList *classmap) {
  cp_aggr_node *v = brace_list_elements(in, "In:", valuesExample, "Bad In specification in QOR file");
  const Function &f = *activeFunction;
  switch (f.idl_op_type) {
  case Function::operation:
    check_in_arguments(f, v, classmap);
    return;
  case Function::attribute_set: {
    AST_Field *attribute = AST_Field::narrow_from_decl(f.idl_operation);
    require_values("In:", v, f, {Dstr(nameOf(attribute))}, "Bad In specification in QOR file");
    check_value(types->spelling().word(nameOf(attribute)), attribute->field_type(), v->val,
                classmap);
    return;
  }
  case Function::attribute_get:
    FatalError(explain("In: for the get function of the attribute ", f.idl_operation_name,
                       ", which takes nothing"),
               "QOR specified In: for an attribute get operation");
  default:
    unexpected_operation(f);
  }
}

void NUX::check_in_arguments(const Function &f, cp_aggr_node *v, AList *classmap) {
  require_values("In:", v, f, argument_names_except(f.idl_operation, AST_Argument::ARG_OUT),
                 "Bad In specification in QOR file");
  for (AST_Argument *a : arguments_except(f.idl_operation, AST_Argument::ARG_OUT)) {
    check_value(types->spelling().word(nameOf(a)), a->field_type(), v->val, classmap);
    v = v->next;
  }
}

void NUX::check_value(const Dstr &name, AST_Type *t, const dcp_val &v, AList *classmap) {
  Dstr expected("");
  do_dcp_val(expected, v, t, Dstr(), classmap);
  do_qor_check(name, expected);
}

// The parameters are set before the result, which is the first value unless the result type
// is void.
void NUX::do_qor_out(const dcp_val &out, AList *classmap) {
  cp_aggr_node *v = brace_list_elements(out, "Out:", valuesExample, "Bad Out specification in QOR file");
  const Function &f = *activeFunction;
  AST_Type *result = nullptr;
  std::vector<Dstr> taken;
  switch (f.idl_op_type) {
  case Function::operation:
    result = AST_Operation::narrow_from_decl(f.idl_operation)->return_type();
    taken = argument_names_except(f.idl_operation, AST_Argument::ARG_IN);
    break;
  case Function::attribute_get:
    result = AST_Field::narrow_from_decl(f.idl_operation)->field_type();
    taken.push_back(join_pieces("the value of ", f.idl_operation_name));
    break;
  case Function::attribute_set:
    FatalError(explain("Out: for the set function of the attribute ", f.idl_operation_name,
                       ", which returns nothing: a message with In: sets the attribute"),
               "QOR specified Out: for an attribute set operation");
  default:
    unexpected_operation(f);
  }
  if (f.idl_op_type == Function::operation && !is_void(result))
    taken.insert(taken.begin(), Dstr("the result"));
  require_values("Out:", v, f, taken, "Bad Out specification in QOR file");
  cp_aggr_node *resultValue = nullptr;
  if (!is_void(result)) {
    resultValue = v;
    v = v->next;
  }
  if (f.idl_op_type == Function::operation)
    set_out_arguments(f.idl_operation, v, classmap);
  if (!resultValue)
    return;
  kludge_return_types(result, Types::ret, "cc.out.return.begin", "cc.out.return.begin.pointer");
  do_dcp_val(resultValue->val, result, Dstr(), classmap);
  emit_code("cc.out.return.end");
}

// "Raises: {Bank::Refused, {"closed"}}": an exception of the operation's raises clause with its
// members' values, or a CORBA system exception, which has none.
void NUX::do_qor_raises(const dcp_val &raises, AList *classmap) {
  cp_aggr_node *v = brace_list_elements(raises, "Raises:", "{Bank::Refused, {\"closed\"}}",
                                        "Bad Raises specification in QOR file");
  const Function &f = *activeFunction;
  if (f.idl_op_type == Function::constructor)
    unexpected_operation(f);
  if (v->val.kind != dcp_interface)
    FatalError(explain("Raises: starts with the exception's name"),
               "Bad Raises specification in QOR file: the exception's name comes first");
  const char *name = withoutRootScope(*dcp_text(v->val));
  cp_aggr_node *members = v->next;
  if (members && members->next)
    FatalError(explain("Raises: gives the exception's name and one brace list of its members' "
                       "values, no more"),
               "Bad Raises specification in QOR file: too many parameters");
  AST_Exception *e = raised_exception(f.idl_operation, name);
  if (!e && strncmp(name, "CORBA::", 7) == 0 && !is_system_exception(name))
    FatalError(explain(name, " is no CORBA system exception",
                       did_you_mean(Dstr(name), system_exception_names())),
               "QOR raises ", name, ", which is no CORBA system exception");
  if (!e && !is_system_exception(name))
    FatalError(explain(f.idl_interface_name, "::", f.idl_operation_name, " does not raise ", name,
                       did_you_mean(Dstr(name), raised_names(f.idl_operation))),
               "QOR raises ", name, ", which ", f.idl_interface_name, "::", f.idl_operation_name,
               " does not raise");
  if (!e && members)
    FatalError(explain("the system exception ", name, " has no members: Raises: names it alone"),
               "Bad Raises specification in QOR file: ", name, " has no members");
  if (members && (members->val.kind != dcp_aggr || dcp_aggr_of(members->val)->aggr_kind != cp_struct))
    FatalError(explain("the members of ", name, " come as a brace list, as {\"closed\"}"),
               "Bad Raises specification in QOR file: the members come as a brace list");
  variables->define("CLASS_NAME",
                    with_separator(e ? types->spelling().scoped(scopedNameOf(e)) : Dstr(name)));
  emit_code("cc.qor.raise.begin");
  if (e)
    emit_fields(activeFunction->cc_code, members ? dcp_aggr_of(members->val)->head : nullptr,
                e, "exception", classmap);
  emit_code("cc.qor.raise.end");
}

void NUX::set_out_arguments(AST_Decl *op, cp_aggr_node *v, AList *classmap) {
  for (AST_Argument *a : arguments_except(op, AST_Argument::ARG_IN)) {
    variables->define("LEFTARG", types->spelling().word(nameOf(a)));
    kludge_return_types(a->field_type(), a->direction(), "cc.out.parm.begin",
                        "cc.out.parm.begin.pointer");
    do_dcp_val(v->val, a->field_type(), Dstr(), classmap);
    emit_code("cc.out.parm.end");
    v = v->next;
  }
}

void NUX::kludge_return_types(AST_Type *t, Types::parmtype pt, const char *plainKey,
                              const char *pointerKey) {
  const Dstr kludged(types->mapType(t, pt, true));
  check(kludged);
  const Dstr &plain = types->mapType(t, pt, false);
  check(plain);
  emit_code(kludged == plain ? plainKey : pointerKey);
}

void NUX::kludge_return_types(AST_Type *t, AST_Argument::Direction d, const char *plainKey,
                              const char *pointerKey) {
  kludge_return_types(t, Types::direction2parmtype(d), plainKey, pointerKey);
}
