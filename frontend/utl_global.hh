// IDL_GlobalData: all run-time state of the front end (options, file names, the current line,
// the error count, the scope stack, the tree root, the node factory, the forward declarations
// and the parser's pending syntax error), reached everywhere through the single instance
// idl_global. FE_new_global_state (fe_start.hh) creates it; a new one starts a new run.
#ifndef FRONTEND_UTL_GLOBAL_HH
#define FRONTEND_UTL_GLOBAL_HH

#include <set>
#include <string>
#include <vector>

#include "frontend/ast_expression.hh"
#include "frontend/ast_predefined_type.hh"

class AST_InterfaceFwd;
struct AST_RepositoryIdentity;
class UTL_ScopeStack;
class AST_Root;
class AST_Generator;
class UTL_Error;
class UTL_String;
class UTL_Indenter;
class UTL_StrList;

class IDL_GlobalData {
public:
  // How far the parser has got into the current construct; each value selects the message of
  // a syntax error found there.
  enum ParseState {
    PS_NoState,                // 0
    PS_TypeDeclSeen,           // 1
    PS_ConstDeclSeen,          // 2
    PS_ExceptDeclSeen,         // 3
    PS_InterfaceDeclSeen,      // 4
    PS_ModuleDeclSeen,         // 5
    PS_AttrDeclSeen,           // 6
    PS_OpDeclSeen,             // 7
    PS_ModuleSeen,             // 8
    PS_ModuleIDSeen,           // 9
    PS_ModuleSqSeen,           // 10
    PS_ModuleQsSeen,           // 11
    PS_ModuleBodySeen,         // 12
    PS_InterfaceSeen,          // 13
    PS_InterfaceIDSeen,        // 14
    PS_InheritSpecSeen,        // 15
    PS_ForwardDeclSeen,        // 16
    PS_InterfaceSqSeen,        // 17
    PS_InterfaceQsSeen,        // 18
    PS_InterfaceBodySeen,      // 19
    PS_InheritColonSeen,       // 20
    PS_SNListCommaSeen,        // 21
    PS_ScopedNameSeen,         // 22
    PS_SN_IDSeen,              // 23
    PS_ScopeDelimSeen,         // 24
    PS_ConstSeen,              // 25
    PS_ConstTypeSeen,          // 26
    PS_ConstIDSeen,            // 27
    PS_ConstAssignSeen,        // 28
    PS_ConstExprSeen,          // 29
    PS_TypedefSeen,            // 30
    PS_TypeSpecSeen,           // 31
    PS_DeclaratorsSeen,        // 32
    PS_StructSeen,             // 33
    PS_StructIDSeen,           // 34
    PS_StructSqSeen,           // 35
    PS_StructQsSeen,           // 36
    PS_StructBodySeen,         // 37
    PS_MemberTypeSeen,         // 38
    PS_MemberDeclsSeen,        // 39
    PS_MemberDeclsCompleted,   // 40
    PS_UnionSeen,              // 41
    PS_UnionIDSeen,            // 42
    PS_SwitchSeen,             // 43
    PS_SwitchOpenParSeen,      // 44
    PS_SwitchTypeSeen,         // 45
    PS_SwitchCloseParSeen,     // 46
    PS_UnionSqSeen,            // 47
    PS_UnionQsSeen,            // 48
    PS_DefaultSeen,            // 49
    PS_UnionLabelSeen,         // 50
    PS_LabelColonSeen,         // 51
    PS_LabelExprSeen,          // 52
    PS_UnionElemSeen,          // 53
    PS_UnionElemCompleted,     // 54
    PS_CaseSeen,               // 55
    PS_UnionElemTypeSeen,      // 56
    PS_UnionElemDeclSeen,      // 57
    PS_UnionBodySeen,          // 58
    PS_EnumSeen,               // 59
    PS_EnumIDSeen,             // 60
    PS_EnumSqSeen,             // 61
    PS_EnumQsSeen,             // 62
    PS_EnumBodySeen,           // 63
    PS_EnumCommaSeen,          // 64
    PS_SequenceSeen,           // 65
    PS_SequenceSqSeen,         // 66
    PS_SequenceQsSeen,         // 67
    PS_SequenceTypeSeen,       // 68
    PS_SequenceCommaSeen,      // 69
    PS_SequenceExprSeen,       // 70
    PS_StringSeen,             // 71
    PS_StringSqSeen,           // 72
    PS_StringQsSeen,           // 73
    PS_StringExprSeen,         // 74
    PS_StringCompleted,        // 75
    PS_ArrayIDSeen,            // 76
    PS_ArrayCompleted,         // 77
    PS_DimSqSeen,              // 78
    PS_DimQsSeen,              // 79
    PS_DimExprSeen,            // 80
    PS_AttrROSeen,             // 81
    PS_AttrSeen,               // 82
    PS_AttrTypeSeen,           // 83
    PS_AttrDeclsSeen,          // 84
    PS_AttrCompleted,          // 85
    PS_ExceptSeen,             // 86
    PS_ExceptIDSeen,           // 87
    PS_ExceptSqSeen,           // 88
    PS_ExceptQsSeen,           // 89
    PS_ExceptBodySeen,         // 90
    PS_OpAttrSeen,             // 91
    PS_OpTypeSeen,             // 92
    PS_OpIDSeen,               // 93
    PS_OpParsCompleted,        // 94
    PS_OpRaiseCompleted,       // 95
    PS_OpContextCompleted,     // 96
    PS_OpCompleted,            // 97
    PS_OpSqSeen,               // 98
    PS_OpQsSeen,               // 99
    PS_OpParCommaSeen,         // 100
    PS_OpParDirSeen,           // 101
    PS_OpParTypeSeen,          // 102
    PS_OpParDeclSeen,          // 103
    PS_OpRaiseSeen,            // 104
    PS_OpRaiseSqSeen,          // 105
    PS_OpRaiseQsSeen,          // 106
    PS_OpContextSeen,          // 107
    PS_OpContextSqSeen,        // 108
    PS_OpContextQsSeen,        // 109
    PS_OpContextCommaSeen,     // 110
    PS_DeclsCommaSeen,         // 111
    PS_DeclsDeclSeen,          // 112
    PS_ValueDeclSeen,          // 113
    PS_ValueTypeSeen,          // 114
    PS_ValueTypeIDSeen,        // 115
    PS_ValueInheritColonSeen,  // 116
    PS_SupportsSeen,           // 117
    PS_ValueInheritSpecSeen,   // 118
    PS_ValueSqSeen,            // 119
    PS_ValueBodySeen,          // 120
    PS_ValueQsSeen,            // 121
    PS_ValueBoxTypeSeen,       // 122
    PS_StateMemberSeen,        // 123
    PS_StateMemberTypeSeen,    // 124
    PS_FactorySeen,            // 125
    PS_FactoryIDSeen,          // 126
    PS_FactoryDeclSeen,        // 127
    PS_NativeSeen,             // 128
    PS_FixedSeen,              // 129
    PS_FixedSqSeen,            // 130
    PS_FixedDigitsSeen,        // 131
    PS_FixedCommaSeen,         // 132
    PS_FixedScaleSeen,         // 133
    PS_FixedQsSeen,            // 134
    PS_AttrRaisesSeen,         // 135
    PS_AttrRaisesSqSeen,       // 136
    PS_AttrRaisesQsSeen,       // 137
    PS_TypeIdDeclSeen,         // 138
    PS_TypePrefixDeclSeen,     // 139
    PS_ImportDeclSeen,         // 140
    PS_TypeIdSeen,             // 141
    PS_TypeIdNameSeen,         // 142
    PS_TypePrefixSeen,         // 143
    PS_TypePrefixNameSeen,     // 144
    PS_ImportSeen              // 145
  };

  IDL_GlobalData() = default;
  virtual ~IDL_GlobalData() = default;

  virtual UTL_ScopeStack *scopes() { return pd_scopes; }
  virtual void set_scopes(UTL_ScopeStack *s) { pd_scopes = s; }
  virtual AST_Root *root() { return pd_root; }
  virtual void set_root(AST_Root *r) { pd_root = r; }
  virtual AST_Generator *gen() { return pd_gen; }
  virtual void set_gen(AST_Generator *g) { pd_gen = g; }
  virtual UTL_Error *err() { return pd_err; }
  virtual void set_err(UTL_Error *e) { pd_err = e; }
  virtual long err_count() { return pd_err_count; }
  virtual void set_err_count(long n) { pd_err_count = n; }
  virtual long lineno() { return pd_lineno; }
  virtual void set_lineno(long n) { pd_lineno = n; }
  virtual UTL_String *filename() { return pd_filename; }
  virtual void set_filename(UTL_String *s) { pd_filename = s; }
  virtual UTL_String *main_filename() { return pd_main_filename; }
  virtual void set_main_filename(UTL_String *s) { pd_main_filename = s; }
  virtual UTL_String *real_filename() { return pd_real_filename; }
  virtual void set_real_filename(UTL_String *s) { pd_real_filename = s; }
  virtual UTL_String *stripped_filename() { return pd_stripped_filename; }
  virtual void set_stripped_filename(UTL_String *s) { pd_stripped_filename = s; }
  // Declarations count as imported when they come from an included file while the import
  // pragma is on.
  virtual bool imported() { return !pd_in_main_file && pd_import; }
  virtual bool import() { return pd_import; }
  virtual void set_import(bool i) { pd_import = i; }
  virtual bool in_main_file() { return pd_in_main_file; }
  virtual void set_in_main_file(bool m) { pd_in_main_file = m; }
  virtual const char *prog_name() { return pd_prog_name; }
  virtual void set_prog_name(const char *n) { pd_prog_name = n; }
  virtual const char *cpp_location() { return pd_cpp_location; }
  virtual void set_cpp_location(const char *l) { pd_cpp_location = l; }
  virtual long compile_flags() { return pd_compile_flags; }
  virtual void set_compile_flags(long f) { pd_compile_flags = f; }
  virtual const char *be() { return pd_be; }
  virtual void set_be(const char *b) { pd_be = b; }
  virtual char *local_escapes() { return pd_local_escapes; }
  virtual void set_local_escapes(char *e) { pd_local_escapes = e; }
  virtual UTL_Indenter *indent() { return pd_indent; }
  virtual void set_indent(UTL_Indenter *i) { pd_indent = i; }
  // The pending pragma texts; reading them also clears them.
  virtual UTL_StrList *pragmas();
  virtual void set_pragmas(UTL_StrList *p) { pd_pragmas = p; }
  virtual bool read_from_stdin() { return pd_read_from_stdin; }
  virtual void set_read_from_stdin(bool r) { pd_read_from_stdin = r; }
  // Records an included file's name once; a name seen before is ignored.
  virtual void store_include_file_name(UTL_String *n);
  virtual UTL_String **include_file_names() { return pd_include_file_names; }
  virtual void set_include_file_names(UTL_String **names);
  virtual unsigned long n_include_file_names() { return pd_n_include_file_names; }
  virtual void set_n_include_file_names(unsigned long n);
  virtual ParseState parse_state() { return pd_parse_state; }
  virtual void set_parse_state(ParseState s) { pd_parse_state = s; }
  // The repository-id prefix that #pragma prefix gave the declarations that follow (null for
  // none). A file starts without one; the file it returns to gets its own back.
  virtual UTL_String *prefix() { return pd_prefix; }
  virtual void set_prefix(UTL_String *p);
  // The repository identity that the declarations made under the current prefix share, until
  // one of them is given more; null without a prefix.
  AST_RepositoryIdentity *prefix_identity();
  void enter_file_prefix();
  void leave_file_prefix();
  // The expression type of a predefined type's values; any for the kinds constants cannot have.
  virtual AST_Expression::ExprType PredefinedTypeToExprType(AST_PredefinedType::PredefinedType t);

  bool seen_include_file_before(UTL_String *n);

  // The files other than the main one that the preprocessor's line markers named (those the IDL
  // file included), each once, named as the markers name them.
  const std::set<std::string> &read_files() { return pd_read_files; }
  void note_read_file(const std::string &name) { pd_read_files.insert(name); }

  // The forward interface declarations of this run, in the order they were met.
  std::vector<AST_InterfaceFwd *> &fwd_interfaces() { return pd_fwd_interfaces; }
  // Whether the parser met a syntax error that no error rule has reported yet.
  bool syntax_error_pending() { return pd_syntax_error_pending; }
  void set_syntax_error_pending(bool p) { pd_syntax_error_pending = p; }

private:
  UTL_String *pd_prefix = nullptr;
  AST_RepositoryIdentity *pd_prefix_identity = nullptr;
  std::vector<UTL_String *> pd_including_prefixes;
  UTL_ScopeStack *pd_scopes = nullptr;
  AST_Root *pd_root = nullptr;
  AST_Generator *pd_gen = nullptr;
  UTL_Error *pd_err = nullptr;
  long pd_err_count = 0;
  long pd_lineno = 0;
  UTL_String *pd_filename = nullptr;
  UTL_String *pd_main_filename = nullptr;
  UTL_String *pd_real_filename = nullptr;
  UTL_String *pd_stripped_filename = nullptr;
  bool pd_import = false;
  bool pd_in_main_file = false;
  const char *pd_prog_name = nullptr;
  const char *pd_cpp_location = nullptr;
  long pd_compile_flags = 0;
  const char *pd_be = nullptr;
  char *pd_local_escapes = nullptr;
  UTL_Indenter *pd_indent = nullptr;
  UTL_StrList *pd_pragmas = nullptr;
  bool pd_read_from_stdin = false;
  UTL_String **pd_include_file_names = nullptr;
  unsigned long pd_n_include_file_names = 0;
  // Room in pd_include_file_names; 0 while the array is one handed in from outside, which is
  // then neither extended in place nor freed.
  unsigned long pd_n_alloced_file_names = 0;
  ParseState pd_parse_state = PS_NoState;
  std::set<std::string> pd_read_files;
  std::vector<AST_InterfaceFwd *> pd_fwd_interfaces;
  bool pd_syntax_error_pending = false;
};

// The one global state object, made by FE_new_global_state.
extern IDL_GlobalData *idl_global;

#endif
