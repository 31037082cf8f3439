[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"open_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<open_iUtils>
[cc.clone.struct.begin] return_type=<Bank::Amount> arg_type=<Bank::Amount>
[cc.clone.struct.field] field_name=<cents> return_type=<ret(long)>
[cc.clone.struct.end] return_type=<ret(long)> arg_type=<Bank::Amount>
[cc.clone.struct.pointer.begin] return_type=<Bank::Amount> arg_type=<Bank::Amount>
[cc.clone.struct.pointer.field] field_name=<cents> return_type=<ret(long)>
[cc.clone.struct.pointer.end] return_type=<ret(long)> arg_type=<Bank::Amount>
[cc.make.struct.begin] make_type=<Bank_Amount> return_type=<ret(NT_struct_fixed Bank::Amount)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[cc.make.struct.field] field_name=<cents> arg_name=<arg1>
[cc.make.struct.end] make_type=<Bank_Amount> return_type=<ret(NT_struct_fixed Bank::Amount)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[cc.compare.struct.begin] return_type=<Bank::Amount> arg_type=<Bank::Amount>
[cc.compare.struct.field] field_name=<cents> return_type=<ret(long)>
[cc.compare.struct.end] return_type=<ret(long)> arg_type=<Bank::Amount>
[cc.clone.interface] interface_name=<Audit::Log> return_type=<ret(NT_interface Audit::Log)> arg_type=<in(NT_interface Audit::Log)>
[cc.compare.interface] interface_name=<Audit::Log> return_type=<ret(NT_interface Audit::Log)> arg_type=<in(NT_interface Audit::Log)>
[cc.clone.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.compare.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.class.begin] class_name=<Audit_Log_i>
[cc.class.members.begin] class_name=<Audit_Log_i>
[cc.class.member.begin] return_type=<> function_name=<Audit_Log_i> arglist=<> class_name=<Audit_Log_i>
[cc.class.member.body.begin] return_type=<> function_name=<Audit_Log_i> arglist=<> class_name=<Audit_Log_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<void> function_name=<note> arglist=<[cchh.argument] arg_type=<in(NT_struct_fixed Bank.Amount)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Audit_Log_i>
[cc.class.member.body.begin] return_type=<void> function_name=<note> arglist=<[cchh.argument] arg_type=<in(NT_struct_fixed Bank.Amount)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Audit_Log_i>
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.class.begin] class_name=<Bank_Account_i>
[cc.class.members.begin] class_name=<Bank_Account_i>
[cc.class.member.begin] return_type=<> function_name=<Bank_Account_i> arglist=<> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<> function_name=<Bank_Account_i> arglist=<> class_name=<Bank_Account_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<ret(NT_struct_fixed Bank.Amount)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<ret(NT_struct_fixed Bank.Amount)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.fixedstruct.stubout] return_type=<ret(NT_struct_fixed Bank.Amount)>
[cc.class.member.fixedstruct.dummy_return] return_type=<ret(NT_struct_fixed Bank.Amount)>
[cc.class.member.end] return_type=<ret(NT_struct_fixed Bank.Amount)>
[cc.class.end]
[cc.main.begin] mainclass=<open_i>
[cc.main.stubout] mainclass=<open_i>
[cc.main.end] mainclass=<open_i>
[cc.class.end]
[cc.end]
