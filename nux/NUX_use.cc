// NUX use: the "use" command. It reads a QOR message file, counts its messages per called
// function, and writes each such function's body as a call script: the calls the binding is to
// expect, then one numbered case per message, checking the "In:" values it expects and setting
// the "Out:" values it returns or raising its "Raises:" exception.
#include "nux/NUX.hh"

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "foundation/FatalError.hh"
#include "foundation/IgnorableError.hh"
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

// The messages of the QOR file name; a file that cannot be read or parsed ends the run.
qormessage *read_qor_file(const Dstr &name) {
  FILE *file = fopen(name.aschar(), "r");
  if (!file) {
    perror(name.aschar());
    FatalError("can't open ", name, " for reading");
  }
  qormessage *messages = parse_qor_file(file);
  fclose(file);
  return messages;
}

// The elements of an "In:" or "Out:" value, which must be a brace list; it cannot be empty.
cp_aggr_node *brace_list_elements(const dcp_val &v, const char *badSpecification) {
  if (v.kind != dcp_aggr || dcp_aggr_of(v)->aggr_kind != cp_struct || !dcp_aggr_of(v)->head)
    FatalError(badSpecification);
  return dcp_aggr_of(v)->head;
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

[[noreturn]] void unexpected_operation() {
  FatalError("QOR specified a constructor call or other unexpected operation");
}

}  // namespace

void NUX::do_use(FunctionList &functions, DeclarationList &declarations, const Dstr &filename,
                 bool inOrder, AList *classmap) {
  Function *const savedFunction = activeFunction;
  const Dstr savedName(activeName);
  declaration *const savedDecl = activeDecl;
  activeFunction = nullptr;

  qorfilename = unquoted(filename);
  // Without a name there is no file to open, and the open error would not say why.
  if (qorfilename.length() == 0)
    FatalError("use needs a QOR file name on line ", lineNumber, " of NUX file");
  progress("Processing QOR file %s\n", qorfilename.aschar());
  qor = read_qor_file(qorfilename);
  {
    QOR_function_list records;
    QorUse use{lineNumber, inOrder, {}};
    for (qormessage *m = qor; m; m = m->next) {
      records.increment(m, functions, declarations, this);
      use.positions.emplace(m, static_cast<unsigned int>(use.positions.size() + 1));
    }
    for (QOR_function_list::function *f = records.head; f; f = f->next)
      do_qor_script(f, use, classmap);
  }
  qorfree(qor);
  qor = nullptr;

  activeFunction = savedFunction;
  activeName = savedName;
  activeDecl = savedDecl;
}

// A call beyond the script selects no case: the counter is never cleared.
void NUX::do_qor_script(QOR_function_list::function *f, const QorUse &use, AList *classmap) {
  progress("  Generating %s\n", f->name.aschar());
  do_begin_function(f);
  do_begin_qor_script(*f, use);
  unsigned int n = 0;
  for (qormessage *m : f->messages) {
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
    FatalError("QOR specified In: or Out: for main, which has no parameters or result");
  if (activeFunction == mainFunction && raisesPart)
    FatalError("QOR specified Raises: for main, which no call reaches");
  if (inPart)
    do_qor_in(m->in, classmap);
  if (outPart)
    do_qor_out(m->out, classmap);
  if (raisesPart)
    do_qor_raises(m->raises, classmap);
  emit_code("cc.end.scriptcall");
}

void NUX::do_qor_in(const dcp_val &in, AList *classmap) {
  cp_aggr_node *v = brace_list_elements(in, "Bad In specification in QOR file");
  const Function &f = *activeFunction;
  switch (f.idl_op_type) {
  case Function::operation:
    v = check_in_arguments(f.idl_operation, v, classmap);
    break;
  case Function::attribute_set: {
    AST_Field *attribute = AST_Field::narrow_from_decl(f.idl_operation);
    check_value(nameOf(attribute), attribute->field_type(), v->val, classmap);
    v = v->next;
    break;
  }
  case Function::attribute_get:
    FatalError("QOR specified In: for an attribute get operation");
  default:
    unexpected_operation();
  }
  if (v)
    FatalError("Bad In specification in QOR file: too many parameters");
}

cp_aggr_node *NUX::check_in_arguments(AST_Decl *op, cp_aggr_node *v, AList *classmap) {
  for (AST_Argument *a : arguments_except(op, AST_Argument::ARG_OUT)) {
    if (!v)
      FatalError("Bad In specification in QOR file: not enough parameters");
    check_value(nameOf(a), a->field_type(), v->val, classmap);
    v = v->next;
  }
  return v;
}

void NUX::check_value(const Dstr &name, AST_Type *t, const dcp_val &v, AList *classmap) {
  Dstr expected("");
  do_dcp_val(expected, v, t, Dstr(), classmap);
  do_qor_check(name, expected);
}

// The parameters are set before the result, which is the first value unless the result type
// is void.
void NUX::do_qor_out(const dcp_val &out, AList *classmap) {
  cp_aggr_node *v = brace_list_elements(out, "Bad Out specification in QOR file");
  const Function &f = *activeFunction;
  AST_Type *result = nullptr;
  switch (f.idl_op_type) {
  case Function::operation:
    result = AST_Operation::narrow_from_decl(f.idl_operation)->return_type();
    break;
  case Function::attribute_get:
    result = AST_Field::narrow_from_decl(f.idl_operation)->field_type();
    break;
  case Function::attribute_set:
    FatalError("QOR specified Out: for an attribute set operation");
  default:
    unexpected_operation();
  }
  cp_aggr_node *resultValue = nullptr;
  if (!is_void(result)) {
    resultValue = v;
    v = v->next;
  }
  if (f.idl_op_type == Function::operation)
    v = set_out_arguments(f.idl_operation, v, classmap);
  if (v)
    FatalError("Bad Out specification in QOR file: too many parameters");
  if (!resultValue)
    return;
  kludge_return_types(result, Types::ret, "cc.out.return.begin", "cc.out.return.begin.pointer");
  do_dcp_val(resultValue->val, result, Dstr(), classmap);
  emit_code("cc.out.return.end");
}

// "Raises: {Bank::Refused, {"closed"}}": an exception of the operation's raises clause with its
// members' values, or a CORBA system exception, which has none.
void NUX::do_qor_raises(const dcp_val &raises, AList *classmap) {
  cp_aggr_node *v = brace_list_elements(raises, "Bad Raises specification in QOR file");
  const Function &f = *activeFunction;
  if (f.idl_op_type == Function::constructor)
    unexpected_operation();
  if (v->val.kind != dcp_interface)
    FatalError("Bad Raises specification in QOR file: the exception's name comes first");
  const char *name = withoutRootScope(*dcp_text(v->val));
  cp_aggr_node *members = v->next;
  if (members && members->next)
    FatalError("Bad Raises specification in QOR file: too many parameters");
  AST_Exception *e = raised_exception(f.idl_operation, name);
  if (!e && strncmp(name, "CORBA::", 7) == 0 && !is_system_exception(name))
    FatalError("QOR raises ", name, ", which is no CORBA system exception");
  if (!e && !is_system_exception(name))
    FatalError("QOR raises ", name, ", which ", f.idl_interface_name, "::", f.idl_operation_name,
               " does not raise");
  if (!e && members)
    FatalError("Bad Raises specification in QOR file: ", name, " has no members");
  if (members && (members->val.kind != dcp_aggr || dcp_aggr_of(members->val)->aggr_kind != cp_struct))
    FatalError("Bad Raises specification in QOR file: the members come as a brace list");
  variables->define("CLASS_NAME", with_separator(e ? Dstr(scopedNameOf(e)) : Dstr(name)));
  emit_code("cc.qor.raise.begin");
  if (e)
    emit_fields(activeFunction->cc_code, members ? dcp_aggr_of(members->val)->head : nullptr,
                e, "exception", classmap);
  emit_code("cc.qor.raise.end");
}

cp_aggr_node *NUX::set_out_arguments(AST_Decl *op, cp_aggr_node *v, AList *classmap) {
  for (AST_Argument *a : arguments_except(op, AST_Argument::ARG_IN)) {
    if (!v)
      FatalError("Bad Out specification in QOR file: not enough parameters");
    variables->define("LEFTARG", nameOf(a));
    kludge_return_types(a->field_type(), a->direction(), "cc.out.parm.begin",
                        "cc.out.parm.begin.pointer");
    do_dcp_val(v->val, a->field_type(), Dstr(), classmap);
    emit_code("cc.out.parm.end");
    v = v->next;
  }
  return v;
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
