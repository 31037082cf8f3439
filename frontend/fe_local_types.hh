// Local types: a local interface, and every type that holds one (a structure, union or
// exception with such a member, a sequence, array or typedef of one). Interfaces that are not
// local may not pass them or raise them in their operations and attributes.
#ifndef FRONTEND_FE_LOCAL_TYPES_HH
#define FRONTEND_FE_LOCAL_TYPES_HH

class AST_Decl;
class AST_Type;

bool fe_is_local_type(AST_Type *t);

// Reports member's use of t (its result, parameter, raised exception or attribute type) when t
// is local and the interface member belongs to is not.
void fe_check_local_use(AST_Decl *member, AST_Type *t);

#endif
