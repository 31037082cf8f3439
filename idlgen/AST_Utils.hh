// AST_Utils: what the back end reads off the IDL syntax tree beyond the node accessors: the kind
// names of nodes, local and scoped names of declarations and symbolic expressions, the
// fixed-size tests of types and the value of a union's case label.
#ifndef IDLGEN_AST_UTILS_HH
#define IDLGEN_AST_UTILS_HH

#include <vector>

#include "foundation/Dstr.hh"
#include "frontend/ast_decl.hh"

class AST_Expression;
class AST_Field;
class AST_Interface;
class AST_Type;
class AST_UnionLabel;
class UTL_IdList;
class UTL_Scope;

// The kind name of a node type, its enumerator as text ("NT_module"); the type map is keyed
// by it.
const char *nodeType2String(AST_Decl::NodeType nt);

// The declaration's local name (the last identifier of its scoped name).
const char *nameOf(AST_Decl *d);

// A scoped name of the front end joined by "::". The tree root's empty name adds no leading
// "::", so Account in module Bank gives "Bank::Account".
Dstr scopedNameOf(UTL_IdList *name);
// The declaration's full name joined by "::", without the root's leading "::": "Bank::Account".
// The text is kept in the node, so it stays put until the process exits.
const char *scopedNameOf(AST_Decl *d);
// The name a symbolic constant expression was written with, joined by "::"; a name written
// with a leading "::" keeps it ("::Color::red").
Dstr scopedNameOf(AST_Expression *e);

// The name with a leading "::" removed: a scoped name as written, compared with scopedNameOf.
const char *withoutRootScope(const Dstr &name);

// The scoped names of the interface's direct bases, in the order they are written.
std::vector<Dstr> baseNamesOf(AST_Interface *i);

// The fields of a structure or exception, or the branches of a union, in declaration order.
// Other declarations in its scope (the enumerators that an enum declared inside it adds there)
// are not members and are left out.
std::vector<AST_Field *> fieldsOf(UTL_Scope *s);

// Whether values of the type have a fixed size: interfaces, strings and sequences do not, nor
// any, nor a structure or union with a member that does not; arrays and typedefs are as their
// base type; every other type does.
bool is_fixed(AST_Type *t);
// Whether every field or branch of a structure or union scope has a fixed-size type.
bool is_fixed(UTL_Scope *s);
// Whether the type, through typedefs, is a fixed-size structure or union.
bool is_fixed_struct_or_union(AST_Type *t);
// The answers of is_fixed are kept for the process, as trees are never freed; this drops them,
// for a process that compiles again (BE_reset_process_state).
void forget_fixed_sizes();

// Whether the type, through typedefs, is an interface.
bool is_interface_type(AST_Type *t);

// The value of a case label as a decimal integer, or a null string for the default label. An
// enumerator label gives the enumerator's ordinal.
Dstr labelValueOf(AST_UnionLabel *label);

#endif
