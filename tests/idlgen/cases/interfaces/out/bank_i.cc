[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"bank_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<bank_iUtils>
[cc.clone.interface] interface_name=<A::B::I> return_type=<ret(NT_interface A::B::I)> arg_type=<in(NT_interface A::B::I)>
[cc.compare.interface] interface_name=<A::B::I> return_type=<ret(NT_interface A::B::I)> arg_type=<in(NT_interface A::B::I)>
[cc.clone.interface] interface_name=<A::J> return_type=<ret(NT_interface A::J)> arg_type=<in(NT_interface A::J)>
[cc.compare.interface] interface_name=<A::J> return_type=<ret(NT_interface A::J)> arg_type=<in(NT_interface A::J)>
[cc.clone.interface] interface_name=<Top> return_type=<ret(NT_interface Top)> arg_type=<in(NT_interface Top)>
[cc.compare.interface] interface_name=<Top> return_type=<ret(NT_interface Top)> arg_type=<in(NT_interface Top)>
[cc.clone.interface] interface_name=<Bank::Teller> return_type=<ret(NT_interface Bank::Teller)> arg_type=<in(NT_interface Bank::Teller)>
[cc.compare.interface] interface_name=<Bank::Teller> return_type=<ret(NT_interface Bank::Teller)> arg_type=<in(NT_interface Bank::Teller)>
[cc.clone.struct.begin] return_type=<Bank::Teller::Fixed> arg_type=<Bank::Teller::Fixed>
[cc.clone.struct.field] field_name=<a> return_type=<ret(long)>
[cc.clone.struct.end] return_type=<ret(long)> arg_type=<Bank::Teller::Fixed>
[cc.clone.struct.pointer.begin] return_type=<Bank::Teller::Fixed> arg_type=<Bank::Teller::Fixed>
[cc.clone.struct.pointer.field] field_name=<a> return_type=<ret(long)>
[cc.clone.struct.pointer.end] return_type=<ret(long)> arg_type=<Bank::Teller::Fixed>
[cc.make.struct.begin] make_type=<Bank_Teller_Fixed> return_type=<ret(NT_struct_fixed Bank::Teller::Fixed)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[cc.make.struct.field] field_name=<a> arg_name=<arg1>
[cc.make.struct.end] make_type=<Bank_Teller_Fixed> return_type=<ret(NT_struct_fixed Bank::Teller::Fixed)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[cc.compare.struct.begin] return_type=<Bank::Teller::Fixed> arg_type=<Bank::Teller::Fixed>
[cc.compare.struct.field] field_name=<a> return_type=<ret(long)>
[cc.compare.struct.end] return_type=<ret(long)> arg_type=<Bank::Teller::Fixed>
[cc.clone.struct.begin] return_type=<Bank::Teller::Var> arg_type=<Bank::Teller::Var>
[cc.clone.struct.field] field_name=<s> return_type=<ret(NT_string local type)>
[cc.clone.struct.end] return_type=<ret(NT_string local type)> arg_type=<Bank::Teller::Var>
[cc.clone.struct.pointer.begin] return_type=<Bank::Teller::Var> arg_type=<Bank::Teller::Var>
[cc.clone.struct.pointer.field] field_name=<s> return_type=<ret(NT_string local type)>
[cc.clone.struct.pointer.end] return_type=<ret(NT_string local type)> arg_type=<Bank::Teller::Var>
[cc.make.struct.begin] make_type=<Bank_Teller_Var> return_type=<ret(NT_struct_fixed Bank::Teller::Var)> arglist=<[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg1>
>
[cc.make.struct.field] field_name=<s> arg_name=<arg1>
[cc.make.struct.end] make_type=<Bank_Teller_Var> return_type=<ret(NT_struct_fixed Bank::Teller::Var)> arglist=<[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg1>
>
[cc.compare.struct.begin] return_type=<Bank::Teller::Var> arg_type=<Bank::Teller::Var>
[cc.compare.struct.field] field_name=<s> return_type=<ret(NT_string local type)>
[cc.compare.struct.end] return_type=<ret(NT_string local type)> arg_type=<Bank::Teller::Var>
[cc.class.begin] class_name=<A_B_I_i>
[cc.class.members.begin] class_name=<A_B_I_i>
[cc.class.member.begin] return_type=<> function_name=<A_B_I_i> arglist=<> class_name=<A_B_I_i>
[cc.class.member.body.begin] return_type=<> function_name=<A_B_I_i> arglist=<> class_name=<A_B_I_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<void> function_name=<ping> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<A_B_I_i>
[cc.class.member.body.begin] return_type=<void> function_name=<ping> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<A_B_I_i>
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.class.begin] class_name=<A_J_i>
[cc.class.inherits.begin] class_name=<A_J_i>
[cc.class.inherits] class_name=<A_B_I_i>
[cc.class.members.begin] class_name=<A_B_I_i>
[cc.class.member.begin] return_type=<> function_name=<A_J_i> arglist=<> class_name=<A_J_i>
[cc.class.member.body.begin] return_type=<> function_name=<A_J_i> arglist=<> class_name=<A_J_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.end]
[cc.class.begin] class_name=<Top_i>
[cc.class.inherits.begin] class_name=<Top_i>
[cc.class.inherits] class_name=<A_B_I_i>
[cc.class.inherits.separator] class_name=<A_B_I_i>
[cc.class.inherits] class_name=<A_J_i>
[cc.class.members.begin] class_name=<A_J_i>
[cc.class.member.begin] return_type=<> function_name=<Top_i> arglist=<> class_name=<Top_i>
[cc.class.member.body.begin] return_type=<> function_name=<Top_i> arglist=<> class_name=<Top_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.end]
[cc.class.begin] class_name=<Bank_Teller_i>
[cc.class.members.begin] class_name=<Bank_Teller_i>
[cc.class.member.begin] return_type=<> function_name=<Bank_Teller_i> arglist=<> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<> function_name=<Bank_Teller_i> arglist=<> class_name=<Bank_Teller_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<void> function_name=<none> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<void> function_name=<none> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.member.begin] return_type=<void> function_name=<args> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_string local type)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_struct_fixed Bank.Teller.Fixed)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<void> function_name=<args> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_string local type)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_struct_fixed Bank.Teller.Fixed)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.member.begin] return_type=<ret(long)> function_name=<withThrows> arglist=<[cchh.argument] arg_type=<in(short)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.throws.begin] class_name=<Bank_Teller_i>
[cc.class.member.throws] class_name=<BankPackage.Failed>
[cc.class.member.throws.separator] class_name=<BankPackage.Failed>
[cc.class.member.throws] class_name=<Bank.TellerPackage.Failed>
[cc.class.member.throws.separator] class_name=<Bank.TellerPackage.Failed>
[cc.class.member.throws] class_name=<Oops>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<withThrows> arglist=<[cchh.argument] arg_type=<in(short)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Oops>
[cc.class.member.number.stubout] return_type=<ret(long)>
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.member.begin] return_type=<ret(NT_struct_fixed Bank.Teller.Fixed)> function_name=<fixedResult> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(NT_struct_fixed Bank.Teller.Fixed)> function_name=<fixedResult> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.fixedstruct.stubout] return_type=<ret(NT_struct_fixed Bank.Teller.Fixed)>
[cc.class.member.fixedstruct.dummy_return] return_type=<ret(NT_struct_fixed Bank.Teller.Fixed)>
[cc.class.member.end] return_type=<ret(NT_struct_fixed Bank.Teller.Fixed)>
[cc.class.member.begin] return_type=<ret(NT_struct_fixed Bank.Teller.FixedAlias)> function_name=<fixedAlias> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(NT_struct_fixed Bank.Teller.FixedAlias)> function_name=<fixedAlias> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.fixedstruct.stubout] return_type=<ret(NT_struct_fixed Bank.Teller.FixedAlias)>
[cc.class.member.fixedstruct.dummy_return] return_type=<ret(NT_struct_fixed Bank.Teller.FixedAlias)>
[cc.class.member.end] return_type=<ret(NT_struct_fixed Bank.Teller.FixedAlias)>
[cc.class.member.begin] return_type=<ret(NT_struct Bank.Teller.Var)> function_name=<varResult> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(NT_struct Bank.Teller.Var)> function_name=<varResult> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.other.stubout] return_type=<ret(NT_struct Bank.Teller.Var)>
[cc.class.member.other.dummy_return] return_type=<ret(NT_struct Bank.Teller.Var)>
[cc.class.member.end] return_type=<ret(NT_struct Bank.Teller.Var)>
[cc.class.member.begin] return_type=<ret(NT_string local type)> function_name=<text> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(NT_string local type)> function_name=<text> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.string.stubout] return_type=<ret(NT_string local type)>
[cc.class.member.string.dummy_return] return_type=<ret(NT_string local type)>
[cc.class.member.end] return_type=<ret(NT_string local type)>
[cc.class.member.begin] return_type=<ret(any)> function_name=<anything> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(any)> function_name=<anything> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.other.stubout] return_type=<ret(any)>
[cc.class.member.other.dummy_return] return_type=<ret(any)>
[cc.class.member.end] return_type=<ret(any)>
[cc.class.member.begin] return_type=<ret(boolean)> function_name=<flag> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(boolean)> function_name=<flag> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.boolean.stubout] return_type=<ret(boolean)>
[cc.class.member.boolean.dummy_return] return_type=<ret(boolean)>
[cc.class.member.end] return_type=<ret(boolean)>
[cc.class.member.begin] return_type=<ret(char)> function_name=<letter> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(char)> function_name=<letter> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.number.stubout] return_type=<ret(char)>
[cc.class.member.number.dummy_return] return_type=<ret(char)>
[cc.class.member.end] return_type=<ret(char)>
[cc.class.member.begin] return_type=<ret(Object)> function_name=<obj> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(Object)> function_name=<obj> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.number.stubout] return_type=<ret(Object)>
[cc.class.member.number.dummy_return] return_type=<ret(Object)>
[cc.class.member.end] return_type=<ret(Object)>
[cc.class.member.begin] return_type=<ret(NT_interface Bank.Teller)> function_name=<self> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(NT_interface Bank.Teller)> function_name=<self> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.other.stubout] return_type=<ret(NT_interface Bank.Teller)>
[cc.class.member.other.dummy_return] return_type=<ret(NT_interface Bank.Teller)>
[cc.class.member.end] return_type=<ret(NT_interface Bank.Teller)>
[cc.class.member.begin] return_type=<ret(long)> function_name=<count> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<count> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.other.stubout] return_type=<ret(long)>
[cc.class.member.other.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.member.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.number.stubout] return_type=<ret(long)>
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.member.begin] return_type=<ret(NT_string local type)> function_name=<owner> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<ret(NT_string local type)> function_name=<owner> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.string.stubout] return_type=<ret(NT_string local type)>
[cc.class.member.string.dummy_return] return_type=<ret(NT_string local type)>
[cc.class.member.end] return_type=<ret(NT_string local type)>
[cc.class.member.begin] return_type=<void> function_name=<owner> arglist=<[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<owner>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.body.begin] return_type=<void> function_name=<owner> arglist=<[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<owner>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Teller_i>
[cc.class.member.void.stubout] return_type=<ret(NT_string local type)>
[cc.class.member.void.dummy_return] return_type=<ret(NT_string local type)>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<bank_i>
[cc.main.stubout] mainclass=<bank_i>
[cc.main.end] mainclass=<bank_i>
[cc.class.end]
[cc.end]
