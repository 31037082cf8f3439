// NUX: the NUX script compiler. It reads a script line by line, defines the substitution
// variables of each command and emits its binding templates into the body of the function
// being defined, the source file or the header. In IDL mode its IDL generator first supplies
// the server classes whose functions the script defines.
#ifndef NUX_NUX_HH
#define NUX_NUX_HH

#include <cstdio>
#include <unordered_map>

#include "foundation/AList.hh"
#include "foundation/CodeGenerator.hh"
#include "foundation/Dstr.hh"
#include "foundation/FatalError.hh"
#include "idlgen/BE_IDL.hh"
#include "idlgen/FunctionList.hh"
#include "idlgen/Headerfile.hh"
#include "nux/DeclarationList.hh"
#include "nux/NUX_line_parser.hh"
#include "nux/QOR_function_list.hh"
#include "nux/be_extern.hh"
#include "qor/qor_struct.hh"

class AST_Decl;
class AST_Enum;
class AST_Type;
class UTL_Scope;

class NUX : public CodeGenerator {
public:
  using declaration = DeclarationList::declaration;

  // Loads the scope separator, reports the binding on standard error (unless options are
  // quiet), creates the shared variable list, reads the type map and creates the IDL generator;
  // owns all three.
  explicit NUX(const Dstr &binding, const BE_Options &options = BE_Options());
  ~NUX() override;
  NUX(const NUX &) = delete;
  NUX &operator=(const NUX &) = delete;

  // The files of one compilation, open, and the names that messages give them.
  struct Files {
    FILE *script;
    FILE *hh;
    FILE *cc;
    // The script's path, as diagnostics and line directives name it.
    Dstr scriptName;
    // The source file's path, as line directives name it.
    Dstr sourceName;
    // The header's name as the source file includes it.
    Dstr headerInclude;
    // The output file name without extension.
    Dstr outputBase;
  };

  // Compiles the script into the header and the source file, which stay open; the source file
  // is written at the end, its text made in memory first so that line directives can name its
  // own lines. root_decl is the IDL tree (null in NUX mode); *serialnum numbers the
  // compilations of the process.
  void do_nux_file(const Files &files, unsigned long *serialnum, AST_Decl *root_decl,
                   bool nuxMode);

  // Generated functions. name is "main", "variable::operation" or "Interface::operation";
  // through an interface name only stubs match, and with skipGetters attribute getters are
  // passed over. Null, with the message recorded, when nothing matches.
  Function *nuxfunction2realfunction(FunctionList &functions, DeclarationList &declarations,
                                     const Dstr &name, declaration *&decl, int skipGetters);
  // What is wrong with a name for which nuxfunction2realfunction found no function, in plain
  // words: at the declaration when it declares no interface of the IDL file.
  Explanation explain_unmatched(const FunctionList &functions,
                                const DeclarationList &declarations, const Dstr &name,
                                int skipGetters) const;
  void do_begin_function(FunctionList &functions, DeclarationList &declarations,
                         const Dstr &name);
  void do_end_function(const Dstr &name);
  // Appends every function to the source file's text cc, each run of functions of one
  // interface as one class.
  void output_cc(Dstr &cc, FunctionList &functions, AList *classmap);

  // Declarations and servers.
  void do_declare(Dstr &cc, Headerfile &hh, const Dstr &type, const Dstr &name,
                  const Dstr &header);
  void do_declare_value(Dstr &cc, const Dstr &type, const Dstr &name, Headerfile &hh);
  void do_create(AList *classmap, const Dstr &type, const Dstr &name, const Dstr &marker,
                 const Dstr &prefixedName, const Dstr &server);
  void do_bind(const Dstr &type, const Dstr &prefixedName, const Dstr &marker,
               const Dstr &server, const Dstr &host);
  void do_serve(const Dstr &host, const Dstr &server, const Dstr &serverFile);

  // Values, text and control flow.
  void do_return(const Dstr &value);
  void do_inline(const Dstr &text, Dstr &cc);
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
  // A test of the condition that the binding reports with both sides and counts.
  void do_assert(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
                 const Dstr &tolerance);
  // The condition chosen from the operands as written, made from leftText and rightText in
  // their place.
  void build_condition(const Dstr &left, const Dstr &op, const Dstr &right,
                       const Dstr &plusminus, const Dstr &tolerance, const Dstr &leftText,
                       const Dstr &rightText, Dstr &out);
  // text as a string literal of the generated program.
  static Dstr string_literal(const Dstr &text);

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

  // Reads a QOR file and writes the call scripts of the functions its messages call; with
  // inOrder their calls must come in the order of the file. The active function, its name and
  // declaration are the same afterwards.
  void do_use(FunctionList &functions, DeclarationList &declarations, const Dstr &filename,
              bool inOrder, AList *classmap);
  // Makes the function of a QOR record active, as "begin" does for a named function.
  void do_begin_function(QOR_function_list::function *f);
  // One call case of a QOR script in the active function: the checks of m's "In:" values
  // against the in and inout parameters, then the out and inout parameters and the result
  // set from its "Out:" values, or its "Raises:" exception.
  void do_qor_scriptcall(qormessage *m, AList *classmap);
  // A reported and counted comparison of the parameter name with the expected-value text.
  void do_qor_check(const Dstr &name, const Dstr &expected);
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
  // The values of the fields of a structure or exception (what, for the messages), from the
  // elements starting at first, separated.
  void emit_fields(Dstr &out, cp_aggr_node *first, UTL_Scope *fields, const char *what,
                   AList *classmap);
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
  // The line of the "begin" of the active function.
  int activeLine = 0;
  // The script's path, as diagnostics name it.
  Dstr scriptName;
  // What the command line asked of the back end.
  const BE_Options options;

  // Makes file and line the place the text written next comes from, which fatal errors name and
  // SOURCE_FILE and SOURCE_LINE hold; set_line keeps the file.
  void set_place(const Dstr &file, int line);
  void set_line(int line);

  // Writes a progress line (format and arguments as for printf) on standard error, unless the
  // options are quiet.
  void progress(const char *format, ...) const __attribute__((format(printf, 2, 3)));

private:
  // The generated program's main, named after outputBase.
  Function *make_main(const Dstr &outputBase);
  // Stops with "No active function at line N of NUX file" outside a function.
  void require_active_function() const;
  // Stops with "Previous function not ended at line N of NUX file" when name is begun inside
  // a function.
  void require_no_active_function(const Dstr &name) const;
  // Makes f, found under name through decl (or null), the active function; its stub body is
  // dropped, and a function named through a declared variable opens its instance.
  void enter_function(const Dstr &name, Function *f, declaration *decl);
  // Emits key into the active function's body.
  void emit_code(const char *key);
  // A command of the active function: key, without variables of its own.
  void emit_statement(const char *key);
  // A command of the active function: VALUE = value, then key.
  void emit_value(const char *key, const Dstr &value);
  // Emits key into the active function's body, or into the source file's text cc outside any
  // function.
  void emit_code_or_file(Dstr &cc, const char *key);
  // A line directive for the text about to be appended to out, naming the current place (the
  // script line or the QOR message), when directives are written.
  void point_at_place(Dstr &out);
  // A line directive naming the source file's own next line, after text that came from the
  // script; cc is the source file's text.
  void point_back_at_source(Dstr &cc);
  // The shared condition of if and while: its variables, CONDEXP, then key.
  void emit_conditional(const char *key, const Dstr &left, const Dstr &op, const Dstr &right,
                        const Dstr &plusminus, const Dstr &tolerance);
  // The text of key, its trailing white space removed: an operand of an assertion's condition.
  Dstr operand_placeholder(const char *key);

  // What the scripts of one "use" share: the command's line, whether their calls must come in
  // the file's order, and the place of every message in the file, from 1.
  struct QorUse {
    int line;
    bool inOrder;
    std::unordered_map<const qormessage *, unsigned int> positions;
  };
  // The call script of one QOR record: its calls numbered from 1, each expected once.
  void do_qor_script(QOR_function_list::function *f, const QorUse &use, AList *classmap);
  // Opens the script with the facts the binding counts its calls against.
  void do_begin_qor_script(const QOR_function_list::function &f, const QorUse &use);
  // Defines SCRIPTCOUNTER as the next script's counter of the process.
  void define_script_counter();
  // The "In:" checks and the "Out:" results of a call case.
  void do_qor_in(const dcp_val &in, AList *classmap);
  void do_qor_out(const dcp_val &out, AList *classmap);
  void do_qor_raises(const dcp_val &raises, AList *classmap);
  // Checks the in and inout arguments of the operation f against the values from v on, which
  // must be one for each.
  void check_in_arguments(const Function &f, cp_aggr_node *v, AList *classmap);
  // Sets the out and inout arguments of op from the values from v on, one for each.
  void set_out_arguments(AST_Decl *op, cp_aggr_node *v, AList *classmap);
  // The expected value v of the parameter name of type t, built and asserted.
  void check_value(const Dstr &name, AST_Type *t, const dcp_val &v, AList *classmap);

  // The constructions of do_dcp_val for each kind of value.
  void make_literal(Dstr &out, const Dstr &text, AST_Type *t);
  void make_object(Dstr &out, const Dstr &identifier, AST_Type *t, AList *classmap);
  void make_enumerator(Dstr &out, AST_Enum *e, const Dstr &identifier);
  void make_union(Dstr &out, cp_union *u, AST_Type *t, AList *classmap);
  void make_aggregate(Dstr &out, cp_aggr *a, AST_Type *t, const Dstr &typedefname,
                      AList *classmap);
  // A scoped name as a flat identifier: each "::" becomes "_".
  Dstr underscored(const Dstr &scopedName) const;

  // Whether line directives are written: the options ask for them and the binding has cc.line.
  bool lineDirectives = false;
  // The source file's path, for the directives that name its own lines.
  Dstr sourceName;
  // Whether the text at the end of the source file's text came from the script.
  bool sourceFollowsScript = false;
  // The newlines counted so far in the source file's text, up to the position counted to.
  unsigned long sourceLines = 0;
  unsigned int countedTo = 0;
};

#endif
