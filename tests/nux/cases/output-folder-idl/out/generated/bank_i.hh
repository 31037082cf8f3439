[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"bank_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<generated/bank_iUtils>
[hh.include.idl] idl_basename=<bank>
[hh.declare] interface_name=<Bank.Account> server_identifier=<acct>
[hh.clone] return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)> interface_name=<Bank::Account> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)> interface_name=<Bank::Account> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.module.begin] module_name=<Bank_i>
[hh.class.begin] class_name=<Bank_Account_i>
[hh.class.members.begin] class_name=<Bank_Account_i>
[hh.class.constructor.begin] return_type=<> function_name=<Bank_Account_i> class_name=<Bank_Account_i>
[hh.class.member.end] class_name=<Bank_Account_i>
[hh.class.member.begin] return_type=<void> function_name=<deposit> class_name=<Bank_Account_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<amount>
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
