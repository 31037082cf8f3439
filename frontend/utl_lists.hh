// The lists whose elements are tree parts: scoped names (UTL_NameList), expressions
// (UTL_ExprList), union labels (UTL_LabelList), declarators (UTL_DeclList) and raised
// exceptions (UTL_ExceptList), each with its active iterator.
#ifndef FRONTEND_UTL_LISTS_HH
#define FRONTEND_UTL_LISTS_HH

#include "frontend/utl_idlist.hh"
#include "frontend/utl_list.hh"

class AST_Expression;
class AST_UnionLabel;
class AST_Exception;
class FE_Declarator;

class UTL_NameList : public UTL_TypedList<UTL_IdList> {
public:
  UTL_NameList(UTL_IdList *head, UTL_NameList *tail) : UTL_TypedList(head, tail) {}

protected:
  UTL_List *copy_cell() override { return new UTL_NameList(head(), nullptr); }
};

class UTL_NamelistActiveIterator : public UTL_TypedListActiveIterator<UTL_NameList, UTL_IdList> {
public:
  using UTL_TypedListActiveIterator::UTL_TypedListActiveIterator;
};

class UTL_ExprList : public UTL_TypedList<AST_Expression> {
public:
  UTL_ExprList(AST_Expression *head, UTL_ExprList *tail) : UTL_TypedList(head, tail) {}

protected:
  UTL_List *copy_cell() override { return new UTL_ExprList(head(), nullptr); }
};

class UTL_ExprlistActiveIterator
    : public UTL_TypedListActiveIterator<UTL_ExprList, AST_Expression> {
public:
  using UTL_TypedListActiveIterator::UTL_TypedListActiveIterator;
};

class UTL_LabelList : public UTL_TypedList<AST_UnionLabel> {
public:
  UTL_LabelList(AST_UnionLabel *head, UTL_LabelList *tail) : UTL_TypedList(head, tail) {}

protected:
  UTL_List *copy_cell() override { return new UTL_LabelList(head(), nullptr); }
};

class UTL_LabellistActiveIterator
    : public UTL_TypedListActiveIterator<UTL_LabelList, AST_UnionLabel> {
public:
  using UTL_TypedListActiveIterator::UTL_TypedListActiveIterator;
};

class UTL_DeclList : public UTL_TypedList<FE_Declarator> {
public:
  UTL_DeclList(FE_Declarator *head, UTL_DeclList *tail) : UTL_TypedList(head, tail) {}

protected:
  UTL_List *copy_cell() override { return new UTL_DeclList(head(), nullptr); }
};

class UTL_DecllistActiveIterator
    : public UTL_TypedListActiveIterator<UTL_DeclList, FE_Declarator> {
public:
  using UTL_TypedListActiveIterator::UTL_TypedListActiveIterator;
};

class UTL_ExceptList : public UTL_TypedList<AST_Exception> {
public:
  UTL_ExceptList(AST_Exception *head, UTL_ExceptList *tail) : UTL_TypedList(head, tail) {}

protected:
  UTL_List *copy_cell() override { return new UTL_ExceptList(head(), nullptr); }
};

class UTL_ExceptlistActiveIterator
    : public UTL_TypedListActiveIterator<UTL_ExceptList, AST_Exception> {
public:
  using UTL_TypedListActiveIterator::UTL_TypedListActiveIterator;
};

#endif
