// NUX: the NUX script compiler. It reads a script line by line, defines the substitution
// variables of each command and emits its binding templates into the body of the function
// being defined, the source file or the header. In IDL mode its IDL generator first supplies
// the server classes whose functions the script defines.
#ifndef NUX_NUX_HH
#define NUX_NUX_HH

#include <cstdio>

#include "foundation/AList.hh"
#include "foundation/CodeGenerator.hh"
#include "foundation/Dstr.hh"
#include "idlgen/BE_IDL.hh"
#include "idlgen/FunctionList.hh"
#include "idlgen/Headerfile.hh"
#include "nux/DeclarationList.hh"
#include "nux/NUX_line_parser.hh"
#include "nux/QOR_function_list.hh"
#include "qor/qor_struct.hh"

class AST_Decl;
class AST_Type;
class UTL_Scope;

class NUX : public CodeGenerator {
public:
  using declaration = DeclarationList::declaration;

  // Loads the scope separator, reports the binding on standard error, creates the shared
  // variable list, reads the type map and creates the IDL generator; owns all three.
  explicit NUX(const Dstr &binding);
  ~NUX() override;
  NUX(const NUX &) = delete;
  NUX &operator=(const NUX &) = delete;

  // Compiles script into hh and cc, which stay open. root_decl is the IDL tree (null in NUX
  // mode); *serialnum numbers the compilations of the process; outputBase is the output file
  // name without extension.
  void do_nux_file(FILE *script, FILE *hh, FILE *cc, const Dstr &hfilename,
                   unsigned long *serialnum, AST_Decl *root_decl, bool nuxMode,
                   const Dstr &outputBase);

  // Generated functions. name is "main", "variable::operation" or "Interface::operation";
  // through an interface name only stubs match, and with skipGetters attribute getters are
  // passed over. Null, with the message recorded, when nothing matches.
  Function *nuxfunction2realfunction(FunctionList &functions, DeclarationList &declarations,
                                     const Dstr &name, declaration *&decl, int skipGetters);
  void do_begin_function(FunctionList &functions, DeclarationList &declarations,
                         const Dstr &name);
  void do_end_function(const Dstr &name);
  // Writes every function, each run of functions of one interface as one class.
  void output_cc(FILE *cc, FunctionList &functions, AList *classmap);

  // Declarations and servers.
  void do_declare(FILE *cc, Headerfile &hh, const Dstr &type, const Dstr &name,
                  const Dstr &header);
  void do_declare_value(FILE *cc, const Dstr &type, const Dstr &name, Headerfile &hh);
  void do_create(AList *classmap, const Dstr &type, const Dstr &name, const Dstr &marker,
                 const Dstr &prefixedName, const Dstr &server);
  void do_bind(const Dstr &type, const Dstr &prefixedName, const Dstr &marker,
               const Dstr &server, const Dstr &host);
  void do_serve(const Dstr &host, const Dstr &server, const Dstr &serverFile);

  // Values, text and control flow.
  void do_return(const Dstr &value);
  void do_inline(const Dstr &text, FILE *cc);
  void do_print(const Dstr &value);
  void do_println(const Dstr &value);
  void do_set(const Dstr &target, const Dstr &value);
  void do_read(const Dstr &file, const Dstr &target);
  void do_fork(const Dstr &value);
  void do_if(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
             const Dstr &tolerance);
  void do_while(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
                const Dstr &tolerance);
  void do_else();
  void do_end_if();
  void do_end_while();

  // Conditions of if, while and assert: out becomes the filled condition template.
  void do_condexp(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
                  const Dstr &tolerance, Dstr &out);
  void do_condexp_number_compare(const Dstr &left, const Dstr &op, const Dstr &right,
                                 const Dstr &plusminus, const Dstr &tolerance, Dstr &out);
  void do_condexp_string_compare(const Dstr &left, const Dstr &op, const Dstr &right,
                                 Dstr &out);
  void do_condexp_true(Dstr &out);
  // A test of the condition that prints what is tested, the actual value and the verdict.
  void do_assert(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
                 const Dstr &tolerance);

  // Scripts: bodies that act differently on successive calls of their function.
  void do_begin_script();
  void do_call_case(const Dstr &label);
  void do_default_case();
  void do_end_script();
  void do_clearcounter();

  // Tests, loops and exceptions.
  void do_begin_test(const Dstr &number, Headerfile &hh);
  void do_end_test();
  void do_fail();
  void do_nogo();
  void do_begin_timedloop(const Dstr &value);
  void do_end_timedloop();
  void do_begin_loop(const Dstr &value);
  void do_end_loop();
  void do_try();
  void do_catch(const Dstr &prefixedName, const Dstr &type);

  // Reads a QOR file and writes the call scripts of the functions its messages call. The
  // active function, its name and declaration are the same afterwards.
  void do_use(FunctionList &functions, DeclarationList &declarations, const Dstr &filename,
              AList *classmap);
  // Makes the function of a QOR record active, as "begin" does for a named function.
  void do_begin_function(QOR_function_list::function *f);
  // One call case of a QOR script in the active function: the checks of m's "In:" values
  // against the in and inout parameters, then the out and inout parameters and the result
  // set from its "Out:" values.
  void do_qor_scriptcall(qormessage *m, AList *classmap);
  // A reported comparison of the parameter name with the expected-value text built from v.
  void do_assert(const Dstr &name, const Dstr &expected, const dcp_val &v);
  // Emits pointerKey when the support functions' (kludge) mapping of t differs from its plain
  // mapping, plainKey when they agree.
  void kludge_return_types(AST_Type *t, Types::parmtype pt, const char *plainKey,
                           const char *pointerKey);
  void kludge_return_types(AST_Type *t, AST_Argument::Direction d, const char *plainKey,
                           const char *pointerKey);

  // QOR values: appends to out the construction of v as a value of expected_type. typedefname
  // is the scoped name of the typedef the type was reached through, null when none; a
  // sequence value needs one, as the name of what it makes.
  void do_dcp_val(Dstr &out, dcp_val v, AST_Type *expected_type, const Dstr &typedefname,
                  AList *classmap);
  // The same, appended to the active function's body.
  void do_dcp_val(dcp_val v, AST_Type *expected_type, const Dstr &typedefname,
                  AList *classmap);
  // The field values of a structure, from the elements starting at first.
  void do_cp_aggr_struct(Dstr &out, cp_aggr_node *first, UTL_Scope *fields, AList *classmap);
  // The elements of a sequence, starting at first.
  void do_cp_aggr_sequence(Dstr &out, cp_aggr_node *first, AST_Type *element,
                           AList *classmap);

  BE_IDL *idlGenerator;
  // The function whose body is being written; null outside "begin" ... "end".
  Function *activeFunction;
  Dstr activeName;
  // The declared variable through which the active function was named, or null.
  declaration *activeDecl;
  Function *mainFunction;
  // The script line being compiled, from 1.
  int lineNumber;

private:
  // The generated program's main, named after outputBase.
  Function *make_main(const Dstr &outputBase);
  // Stops with "No active function at line N of NUX file" outside a function.
  void require_active_function() const;
  // Stops with "Previous function not ended at line N of NUX file" inside a function.
  void require_no_active_function() const;
  // Makes f, found under name through decl (or null), the active function; its stub body is
  // dropped, and a function named through a declared variable opens its instance.
  void enter_function(const Dstr &name, Function *f, declaration *decl);
  // Emits key into the active function's body.
  void emit_code(const char *key);
  // A command of the active function: key, without variables of its own.
  void emit_statement(const char *key);
  // A command of the active function: VALUE = value, then key.
  void emit_value(const char *key, const Dstr &value);
  // Emits key into the active function's body, or straight to cc outside any function.
  void emit_code_or_file(FILE *cc, const char *key);
  // The shared condition of if and while: its variables, CONDEXP, then key.
  void emit_conditional(const char *key, const Dstr &left, const Dstr &op, const Dstr &right,
                        const Dstr &plusminus, const Dstr &tolerance);
  // The statements of an assertion: message (quoted here) and actual are printed, then the
  // condition decides between the satisfied and the violated report.
  void emit_assertion(const Dstr &message, const Dstr &actual, const Dstr &left, const Dstr &op,
                      const Dstr &right, const Dstr &plusminus, const Dstr &tolerance);

  // The call script of one QOR record: its calls numbered from 1, the last one clearing the
  // counter.
  void do_qor_script(QOR_function_list::function *f, AList *classmap);
  // The "In:" checks and the "Out:" results of a call case.
  void do_qor_in(const dcp_val &in, AList *classmap);
  void do_qor_out(const dcp_val &out, AList *classmap);
  // Checks the in and inout arguments of op against the values from v on; returns the values
  // left over.
  cp_aggr_node *check_in_arguments(AST_Decl *op, cp_aggr_node *v, AList *classmap);
  // Sets the out and inout arguments of op from the values from v on; returns the values left
  // over.
  cp_aggr_node *set_out_arguments(AST_Decl *op, cp_aggr_node *v, AList *classmap);
  // The expected value v of the parameter name of type t, built and asserted.
  void check_value(const Dstr &name, AST_Type *t, const dcp_val &v, AList *classmap);

  // The constructions of do_dcp_val for each kind of value.
  void make_literal(Dstr &out, const Dstr &text, AST_Type *t);
  void make_object(Dstr &out, const Dstr &identifier, AList *classmap);
  void make_union(Dstr &out, cp_union *u, AST_Type *t, AList *classmap);
  void make_aggregate(Dstr &out, cp_aggr *a, AST_Type *t, const Dstr &typedefname,
                      AList *classmap);
  // A scoped name as a flat identifier: each "::" becomes "_".
  Dstr underscored(const Dstr &scopedName) const;
};

#endif
