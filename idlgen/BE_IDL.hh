// BE_IDL: the IDL generator. It walks the IDL syntax tree and produces the server classes'
// declarations, the stub functions the NUX script may define, and the support functions of the
// constructed types. It shares the NUX compiler's variable list and type map.
#ifndef IDLGEN_BE_IDL_HH
#define IDLGEN_BE_IDL_HH

#include <vector>

#include "foundation/AList.hh"
#include "foundation/CodeGenerator.hh"
#include "idlgen/FunctionList.hh"
#include "idlgen/Headerfile.hh"
#include "idlgen/Types.hh"

class AST_Attribute;
class AST_Decl;
class AST_Enum;
class AST_Interface;
class AST_Module;
class AST_Operation;
class AST_Sequence;
class AST_Structure;
class AST_Type;
class AST_Union;

class BE_IDL : public CodeGenerator {
public:
  // reps and types belong to the caller, who keeps them alive as long as this generator.
  BE_IDL(const Dstr &binding, Replacements *reps, Types *types);

  // Walks the tree from root, appending support code to cc (the source file's text) and
  // declarations to hh, and records each interface's generated class in classmap. Then it
  // names the stub headers the output needs: one "hh.include.idl.imported" per included IDL
  // file that holds declarations, in the order the walk meets them, and "hh.include.idl" for
  // the IDL file itself. Returns the new list of server functions, owned by the caller.
  FunctionList *do_idl(Headerfile &hh, Dstr &cc, AST_Decl *root, AList *classmap);

private:
  // A declaration's local and scoped names as the binding's language writes them.
  Dstr spelled(AST_Decl *d) const;
  Dstr spelled_scoped(AST_Decl *d) const;
  // Records the IDL file a declaration met by the walk comes from, if it is an included file
  // not recorded yet.
  void note_origin(AST_Decl *d);
  void do_stub_includes(Headerfile &hh, AST_Decl *root);

  // A clone or compare function of structures and unions: the header key of its declaration
  // and the parts of its source keys, family + "." + kind + variant + part, such as
  // "cc.clone.struct.pointer.begin" or "cc.compare.union.defaultfield".
  struct AggregateFunction {
    const char *hhKey;
    const char *family;
    const char *variant;
  };
  static const AggregateFunction cloneFunction, clonePointerFunction, compareFunction;

  // Modules, interfaces and their members. Module and class declarations go to the header's
  // bottom section; every constructor, operation and attribute accessor becomes a stub
  // function appended to functions.
  void do_module(Headerfile &hh, Dstr &cc, AST_Module *m, Dstr prefix, AList *classmap,
                 FunctionList *functions);
  void do_interface(Headerfile &hh, Dstr &cc, AST_Interface *i, const Dstr &prefix,
                    AList *classmap, FunctionList *functions);
  void do_interface_without_servant(Headerfile &hh, Dstr &cc, AST_Interface *i);
  Function *do_constructor(Headerfile &hh, const Dstr &sname, const Dstr &className);
  Function *do_operation(Headerfile &hh, AST_Operation *op);
  // *setter is null for a readonly attribute.
  void do_attribute(Headerfile &hh, AST_Attribute *a, Function **getter, Function **setter);
  // Pieces shared by operations and attribute accessors: the result type with its stub, the
  // opening of the member's declaration, and the argument list with the closings (and, for an
  // operation, its throws list).
  void stub_result(Function *f, AST_Type *result);
  void declare_member(Headerfile &hh, const Dstr &name);
  void end_member(Headerfile &hh, Function *f, const Dstr &args, AST_Operation *op);
  // Appends the stub body for a function returning result to code, its dummy return to end.
  void stubout(Dstr &code, Dstr &end, AST_Type *result);
  // Appends the throws list of op.
  void do_exceptions(Dstr &out, AST_Operation *op);
  // Appends the environment argument when the binding maps the kind "environment"; first says
  // that no argument precedes it.
  void do_environment(Dstr &args, bool first);

  // Support functions: definitions straight to cc, declarations to the header's middle
  // section. tdname and tddecl name the outermost typedef through which d was reached, or are
  // null.
  void do_complex_type_support_fns(Headerfile &hh, Dstr &cc, AST_Decl *d, const char *tdname,
                                   AST_Decl *tddecl);
  void do_nested_type_support_fns(Headerfile &hh, Dstr &cc, AST_Structure *s);
  void do_struct_or_union_support_functions(Headerfile &hh, Dstr &cc, AST_Structure *s);
  void do_clone_or_compare(Headerfile &hh, Dstr &cc, const Dstr &name, AST_Structure *s,
                           const AggregateFunction &function);
  void do_make_struct(Headerfile &hh, Dstr &cc, AST_Structure *s);
  void do_make_union(Headerfile &hh, Dstr &cc, AST_Union *u);
  void do_enum_support_functions(Headerfile &hh, Dstr &cc, AST_Enum *e);
  void do_clone_compare_interface(Headerfile &hh, Dstr &cc, AST_Interface *i);
  void do_clone_compare_by_kind(Headerfile &hh, Dstr &cc, const char *kind, const Dstr &name,
                                const char *keyKind);
  void do_sequence_support_functions(Headerfile &hh, Dstr &cc, AST_Sequence *q,
                                     const char *tdname, AST_Decl *tddecl);
  void do_clone_sequence(Headerfile &hh, Dstr &cc, AST_Sequence *q, const char *tdname,
                         bool interfaces);
  void do_make_sequence(Headerfile &hh, Dstr &cc, AST_Sequence *q, const char *tdname,
                        AST_Decl *tddecl);
  void do_compare_sequence(Headerfile &hh, Dstr &cc, AST_Decl *tddecl, bool interfaces);
  // Replaces a mapped type by the type it is promoted to in a variable argument list: char
  // and short to long, float to double.
  void promote_arg_type(Dstr &type);

  // The ret mappings of char, short, float, long and double, read at the first promotion so
  // that a binding needs them only when a make function takes a variable argument list.
  Dstr mchar, mshort, mfloat, mlong, mdouble;
  // The included IDL files whose declarations the walk met, in the order first met.
  std::vector<Dstr> includedFiles;
};

#endif
