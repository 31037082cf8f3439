// Local types: a local interface, and every type that holds one (a structure, union or
// exception with such a member, a sequence, array or typedef of one). Interfaces that are not
// local may not pass them or raise them in their operations and attributes, and value types may
// not hold them in their state.
#ifndef FRONTEND_FE_LOCAL_TYPES_HH
#define FRONTEND_FE_LOCAL_TYPES_HH

class AST_Decl;
class AST_Type;

bool fe_is_local_type(AST_Type *t);

// Reports member's use of t (its result, parameter, raised exception, attribute or state member
// type) when t is local and member may not use local types.
void fe_check_local_use(AST_Decl *member, AST_Type *t);

#endif
