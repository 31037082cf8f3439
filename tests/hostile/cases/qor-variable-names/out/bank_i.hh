[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"bank_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<bank_iUtils>
[hh.include.idl] idl_basename=<bank>
[hh.declare.include] interface_name=<Bank.Account> server_identifier=<acct> hhfile=<bank.hh>
[hh.declare] interface_name=<Bank.Account> server_identifier=<acct>
[hh.clone] return_type=<Bank::Money> arg_type=<Bank::Money> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<Bank::Money> arg_type=<Bank::Money> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<Bank_Money> return_type=<ret(NT_struct_fixed Bank::Money)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[hh.compare] return_type=<Bank::Money> arg_type=<Bank::Money> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)> interface_name=<Bank::Account> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)> interface_name=<Bank::Account> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.module.begin] module_name=<Bank_i>
[hh.class.begin] class_name=<Bank_Account_i>
[hh.class.members.begin] class_name=<Bank_Account_i>
[hh.class.constructor.begin] return_type=<> function_name=<Bank_Account_i> class_name=<Bank_Account_i>
[hh.class.member.end] class_name=<Bank_Account_i>
[hh.class.member.begin] return_type=<void> function_name=<deposit> class_name=<Bank_Account_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(NT_struct_fixed Bank.Money)> arg_name=<amount>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<memo>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Account_i>
[hh.class.member.begin] return_type=<ret(long)> function_name=<balance> class_name=<Bank_Account_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Bank_Account_i>
[hh.class.end] class_name=<Bank_Account_i>
[hh.module.end] module_name=<Bank_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
