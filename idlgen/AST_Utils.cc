// AST_Utils: kind names, names of declarations and expressions, the fixed-size tests and case
// label values.
#include "idlgen/AST_Utils.hh"

#include <cassert>
#include <cstddef>
#include <iterator>
#include <unordered_map>

#include "frontend/ast_array.hh"
#include "frontend/ast_expression.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/ast_union_label.hh"
#include "frontend/utl_identifier.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_scope.hh"

namespace {

// The kind names, indexed by AST_Decl::NodeType.
const char *const nodeTypeNames[] = {
#define AST_NODE_TYPE(name) #name,
#include "frontend/ast_node_types.def"
};

// Typedefs and arrays have the size of what they are made of.
AST_Decl *strip_typedefs_and_arrays(AST_Decl *d) {
  for (;;) {
    if (AST_Typedef *t = AST_Typedef::narrow_from_decl(d)) {
      d = t->base_type();
      continue;
    }
    if (AST_Array *a = AST_Array::narrow_from_decl(d)) {
      d = a->base_type();
      continue;
    }
    return d;
  }
}

// The scope of a structure or union; null for any other declaration.
UTL_Scope *aggregate_scope(AST_Decl *d) {
  const AST_Decl::NodeType nt = d->node_type();
  return nt == AST_Decl::NT_struct || nt == AST_Decl::NT_union ? DeclAsScope(d) : nullptr;
}

// The size rule of a type that is not a typedef, array, structure or union.
bool is_fixed_kind(AST_Decl *d) {
  switch (d->node_type()) {
  case AST_Decl::NT_interface:
  case AST_Decl::NT_interface_fwd:
  case AST_Decl::NT_string:
  case AST_Decl::NT_sequence:
  case AST_Decl::NT_wstring:
  case AST_Decl::NT_valuebox:
  case AST_Decl::NT_valuetype:
  case AST_Decl::NT_valuetype_fwd:
    return false;
  case AST_Decl::NT_pre_defined:
    return AST_PredefinedType::narrow_from_decl(d)->pt() != AST_PredefinedType::PREDEF_ANY;
  default:
    return true;
  }
}

// Whether each structure and union examined so far has a fixed size.
std::unordered_map<UTL_Scope *, bool> knownSizes;

}  // namespace

const char *nodeType2String(AST_Decl::NodeType nt) {
  assert(static_cast<size_t>(nt) < std::size(nodeTypeNames));
  return nodeTypeNames[nt];
}

const char *nameOf(AST_Decl *d) {
  const char *name = d->local_name()->get_string();
  return name ? name : "";
}

Dstr scopedNameOf(UTL_IdList *name) { return Dstr(joined_scoped_name(name).c_str()); }

const char *scopedNameOf(AST_Decl *d) { return d->scoped_name_text(); }

Dstr scopedNameOf(AST_Expression *e) {
  UTL_IdList *name = e->n();
  const char *first = name ? name->head()->get_string() : nullptr;
  if (first == nullptr || Dstr(first) != "::")
    return scopedNameOf(name);
  Dstr global("::");
  global += scopedNameOf(static_cast<UTL_IdList *>(name->tail()));
  return global;
}

const char *withoutRootScope(const Dstr &name) {
  return name[0] == ':' && name[1] == ':' ? name.ascharfrom(2) : name.aschar();
}

std::vector<Dstr> baseNamesOf(AST_Interface *i) {
  std::vector<Dstr> names;
  for (long b = 0; b < i->n_inherits(); ++b)
    names.push_back(scopedNameOf(i->inherits()[b]));
  return names;
}

std::vector<AST_Field *> fieldsOf(UTL_Scope *s) {
  std::vector<AST_Field *> fields;
  for (UTL_ScopeActiveIterator i(s, UTL_Scope::SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    if (AST_Field *f = AST_Field::narrow_from_decl(i.item()))
      fields.push_back(f);
  }
  return fields;
}

bool is_fixed(AST_Type *t) {
  AST_Decl *d = strip_typedefs_and_arrays(t);
  UTL_Scope *aggregate = aggregate_scope(d);
  return aggregate ? is_fixed(aggregate) : is_fixed_kind(d);
}

// Each answer is kept: the tree does not change once parsed, and a type used twice in each of a
// chain of structures would otherwise be examined exponentially often. The walk keeps its own
// stack of structures waiting for a member's answer, since a chain of structures, each a
// member of the next, can be as long as the file.
bool is_fixed(UTL_Scope *s) {
  struct Waiting {
    UTL_Scope *scope;
    std::vector<AST_Field *> fields;
    size_t next;
  };
  const auto found = knownSizes.find(s);
  if (found != knownSizes.end())
    return found->second;
  std::vector<Waiting> waiting{{s, fieldsOf(s), 0}};
  while (!waiting.empty()) {
    Waiting &w = waiting.back();
    if (w.next == w.fields.size()) {
      knownSizes[w.scope] = true;
      waiting.pop_back();
      continue;
    }
    AST_Decl *member = strip_typedefs_and_arrays(w.fields[w.next]->field_type());
    UTL_Scope *aggregate = aggregate_scope(member);
    const auto known = aggregate ? knownSizes.find(aggregate) : knownSizes.end();
    if (aggregate && known == knownSizes.end()) {
      waiting.push_back({aggregate, fieldsOf(aggregate), 0});
      continue;
    }
    if (aggregate ? !known->second : !is_fixed_kind(member)) {
      // Every structure waiting holds the one above it as a member.
      for (const Waiting &v : waiting)
        knownSizes[v.scope] = false;
      return false;
    }
    ++w.next;
  }
  return true;
}

void forget_fixed_sizes() { knownSizes.clear(); }

bool is_fixed_struct_or_union(AST_Type *t) {
  UTL_Scope *aggregate = aggregate_scope(strip_typedefs(t));
  return aggregate && is_fixed(aggregate);
}

bool is_interface_type(AST_Type *t) {
  return strip_typedefs(t)->node_type() == AST_Decl::NT_interface;
}

Dstr labelValueOf(AST_UnionLabel *label) {
  if (label->label_kind() == AST_UnionLabel::LABEL_DEFAULT)
    return Dstr();
  AST_Expression *e = label->label_val();
  Dstr text("");
  if (AST_Expression::AST_ExprValue *v = e->coerce(AST_Expression::EXPR_LONG)) {
    text += v->u.lval;
    return text;
  }
  // An unsigned long label above the range of long keeps its value.
  AST_Expression::AST_ExprValue *v = e->coerce(AST_Expression::EXPR_ULONG);
  assert(v != nullptr);
  text += v->u.ulval;
  return text;
}
