[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"bank_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<bank_iUtils>
[hh.include.idl] idl_basename=<bank>
[hh.clone] return_type=<ret(NT_interface A::B::I)> arg_type=<in(NT_interface A::B::I)> interface_name=<A::B::I> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface A::B::I)> arg_type=<in(NT_interface A::B::I)> interface_name=<A::B::I> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface A::J)> arg_type=<in(NT_interface A::J)> interface_name=<A::J> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface A::J)> arg_type=<in(NT_interface A::J)> interface_name=<A::J> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface Top)> arg_type=<in(NT_interface Top)> interface_name=<Top> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Top)> arg_type=<in(NT_interface Top)> interface_name=<Top> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface Bank::Teller)> arg_type=<in(NT_interface Bank::Teller)> interface_name=<Bank::Teller> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Bank::Teller)> arg_type=<in(NT_interface Bank::Teller)> interface_name=<Bank::Teller> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<Bank::Teller::Fixed> arg_type=<Bank::Teller::Fixed> interface_name=<Bank.Teller> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<Bank::Teller::Fixed> arg_type=<Bank::Teller::Fixed> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<Bank_Teller_Fixed> return_type=<ret(NT_struct_fixed Bank::Teller::Fixed)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[hh.compare] return_type=<Bank::Teller::Fixed> arg_type=<Bank::Teller::Fixed> interface_name=<Bank.Teller> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<Bank::Teller::Var> arg_type=<Bank::Teller::Var> interface_name=<Bank.Teller> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<Bank::Teller::Var> arg_type=<Bank::Teller::Var> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<Bank_Teller_Var> return_type=<ret(NT_struct_fixed Bank::Teller::Var)> arglist=<[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg1>
>
[hh.compare] return_type=<Bank::Teller::Var> arg_type=<Bank::Teller::Var> interface_name=<Bank.Teller> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.module.begin] module_name=<A_i>
[hh.module.begin] module_name=<B_i>
[hh.class.begin] class_name=<A_B_I_i>
[hh.class.members.begin] class_name=<A_B_I_i>
[hh.class.constructor.begin] return_type=<> function_name=<A_B_I_i> class_name=<A_B_I_i>
[hh.class.member.end] class_name=<A_B_I_i>
[hh.class.member.begin] return_type=<void> function_name=<ping> class_name=<A_B_I_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<A_B_I_i>
[hh.class.end] class_name=<A_B_I_i>
[hh.module.end] module_name=<B_i>
[hh.class.begin] class_name=<A_J_i>
[hh.class.inherits.begin] class_name=<A_J_i>
[hh.class.inherits] class_name=<A_B_I_i>
[hh.class.members.begin] class_name=<A_B_I_i>
[hh.class.constructor.begin] return_type=<> function_name=<A_J_i> class_name=<A_J_i>
[hh.class.member.end] class_name=<A_J_i>
[hh.class.end] class_name=<A_J_i>
[hh.module.end] module_name=<B_i>
[hh.class.begin] class_name=<Top_i>
[hh.class.inherits.begin] class_name=<Top_i>
[hh.class.inherits] class_name=<A_B_I_i>
[hh.class.inherits.separator] class_name=<A_B_I_i>
[hh.class.inherits] class_name=<A_J_i>
[hh.class.members.begin] class_name=<A_J_i>
[hh.class.constructor.begin] return_type=<> function_name=<Top_i> class_name=<Top_i>
[hh.class.member.end] class_name=<Top_i>
[hh.class.end] class_name=<Top_i>
[hh.module.begin] module_name=<Bank_i>
[hh.class.begin] class_name=<Bank_Teller_i>
[hh.class.members.begin] class_name=<Bank_Teller_i>
[hh.class.constructor.begin] return_type=<> function_name=<Bank_Teller_i> class_name=<Bank_Teller_i>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<void> function_name=<none> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<void> function_name=<args> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_string local type)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_struct_fixed Bank.Teller.Fixed)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(long)> function_name=<withThrows> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(short)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Oops>
[hh.class.member.begin] return_type=<ret(NT_struct_fixed Bank.Teller.Fixed)> function_name=<fixedResult> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(NT_struct_fixed Bank.Teller.FixedAlias)> function_name=<fixedAlias> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(NT_struct Bank.Teller.Var)> function_name=<varResult> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(NT_string local type)> function_name=<text> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(any)> function_name=<anything> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(boolean)> function_name=<flag> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(char)> function_name=<letter> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(Object)> function_name=<obj> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(NT_interface Bank.Teller)> function_name=<self> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(long)> function_name=<count> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(long)> function_name=<balance> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<ret(NT_string local type)> function_name=<owner> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.member.begin] return_type=<void> function_name=<owner> class_name=<Bank_Teller_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<owner>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Teller_i>
[hh.class.end] class_name=<Bank_Teller_i>
[hh.module.end] module_name=<Bank_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
