// NUX use: the "use" command. It reads a QOR message file, counts its messages per called
// function, and writes each such function's body as a call script: one numbered case per
// message, checking the "In:" values it expects and setting the "Out:" values it returns.
#include "nux/NUX.hh"

#include <cstdio>
#include <vector>

#include "foundation/FatalError.hh"
#include "foundation/IgnorableError.hh"
#include "frontend/ast_operation.hh"
#include "frontend/ast_predefined_type.hh"
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

[[noreturn]] void unexpected_operation() {
  FatalError("QOR specified a constructor call or other unexpected operation");
}

}  // namespace

void NUX::do_use(FunctionList &functions, DeclarationList &declarations, const Dstr &filename,
                 AList *classmap) {
  Function *const savedFunction = activeFunction;
  const Dstr savedName(activeName);
  declaration *const savedDecl = activeDecl;
  activeFunction = nullptr;

  qorfilename = unquoted(filename);
  // Without a name there is no file to open, and the open error would not say why.
  if (qorfilename.length() == 0)
    FatalError("use needs a QOR file name on line ", lineNumber, " of NUX file");
  fprintf(stderr, "Processing QOR file %s\n", qorfilename.aschar());
  qor = read_qor_file(qorfilename);
  {
    QOR_function_list records;
    for (qormessage *m = qor; m; m = m->next)
      records.increment(m, functions, declarations, this);
    for (QOR_function_list::function *f = records.head; f; f = f->next)
      do_qor_script(f, classmap);
  }
  qorfree(qor);
  qor = nullptr;

  activeFunction = savedFunction;
  activeName = savedName;
  activeDecl = savedDecl;
}

void NUX::do_qor_script(QOR_function_list::function *f, AList *classmap) {
  fprintf(stderr, "  Generating %s\n", f->name.aschar());
  do_begin_function(f);
  do_begin_script();
  unsigned int n = 0;
  for (qormessage *m : f->messages) {
    do_call_case(join_pieces(++n));
    if (n == f->count())
      do_clearcounter();
    do_qor_scriptcall(m, classmap);
  }
  do_end_script();
  do_end_function(f->name);
}

// main has no IDL operation, so a message to it has no parameters or result to refer to.
void NUX::do_qor_scriptcall(qormessage *m, AList *classmap) {
  const bool inPart = m->in.kind != dcp_none;
  const bool outPart = m->out.kind != dcp_none;
  if (activeFunction == mainFunction && (inPart || outPart))
    FatalError("QOR specified In: or Out: for main, which has no parameters or result");
  if (inPart)
    do_qor_in(m->in, classmap);
  if (outPart)
    do_qor_out(m->out, classmap);
  emit_code("cc.end.scriptcall");
}

void NUX::do_qor_in(const dcp_val &in, AList *classmap) {
  cp_aggr_node *v = brace_list_elements(in, "Bad In specification in QOR file");
  const Function &f = *activeFunction;
  do_println(join_pieces("\"Checking QOR assertions on call to ", f.idl_interface_name, "::",
                         f.idl_operation_name, "\""));
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
  do_assert(name, expected, v);
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
