[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"open_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<open_iUtils>
[hh.include.idl] idl_basename=<open>
[hh.clone] return_type=<Bank::Amount> arg_type=<Bank::Amount> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<Bank::Amount> arg_type=<Bank::Amount> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<Bank_Amount> return_type=<ret(NT_struct_fixed Bank::Amount)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[hh.compare] return_type=<Bank::Amount> arg_type=<Bank::Amount> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface Audit::Log)> arg_type=<in(NT_interface Audit::Log)> interface_name=<Audit::Log> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Audit::Log)> arg_type=<in(NT_interface Audit::Log)> interface_name=<Audit::Log> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)> interface_name=<Bank::Account> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)> interface_name=<Bank::Account> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.module.begin] module_name=<Bank_i>
[hh.module.end] module_name=<Bank_i>
[hh.module.begin] module_name=<Audit_i>
[hh.class.begin] class_name=<Audit_Log_i>
[hh.class.members.begin] class_name=<Audit_Log_i>
[hh.class.constructor.begin] return_type=<> function_name=<Audit_Log_i> class_name=<Audit_Log_i>
[hh.class.member.end] class_name=<Audit_Log_i>
[hh.class.member.begin] return_type=<void> function_name=<note> class_name=<Audit_Log_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(NT_struct_fixed Bank.Amount)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Audit_Log_i>
[hh.class.end] class_name=<Audit_Log_i>
[hh.module.end] module_name=<Audit_i>
[hh.module.begin] module_name=<Bank_i>
[hh.class.begin] class_name=<Bank_Account_i>
[hh.class.members.begin] class_name=<Bank_Account_i>
[hh.class.constructor.begin] return_type=<> function_name=<Bank_Account_i> class_name=<Bank_Account_i>
[hh.class.member.end] class_name=<Bank_Account_i>
[hh.class.member.begin] return_type=<ret(NT_struct_fixed Bank.Amount)> function_name=<balance> class_name=<Bank_Account_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Account_i>
[hh.class.end] class_name=<Bank_Account_i>
[hh.module.end] module_name=<Bank_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
