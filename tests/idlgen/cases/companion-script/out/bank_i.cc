[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"bank_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<bank_iUtils>
[cc.clone.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.compare.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.declare] interface_name=<Bank.Account> server_identifier=<acct>
 static int calls = 0;
[cc.class.begin] class_name=<Bank_Account_i>
[cc.class.members.begin] class_name=<Bank_Account_i>
[cc.class.member.begin] return_type=<> function_name=<Bank_Account_i> arglist=<> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<> function_name=<Bank_Account_i> arglist=<> class_name=<Bank_Account_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<void> function_name=<deposit> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<amount>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.throws.begin] class_name=<Bank_Account_i>
[cc.class.member.throws] class_name=<BankPackage.Failed>
[cc.class.member.body.begin] return_type=<void> function_name=<deposit> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<amount>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<BankPackage.Failed>
[cc.class.member.begin.instance] server_identifier=<acct>
[cc.set] leftarg=<calls> value=< calls + 1>
[cc.class.member.end.instance] server_identifier=<acct>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.member.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.number.stubout] return_type=<ret(long)>
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.member.begin] return_type=<ret(NT_string local type)> function_name=<owner> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<ret(NT_string local type)> function_name=<owner> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.return] value=< "nobody"> return_type=<ret(NT_string local type)>
[cc.class.member.string.dummy_return] return_type=<ret(NT_string local type)>
[cc.class.member.end] return_type=<ret(NT_string local type)>
[cc.class.member.begin] return_type=<void> function_name=<owner> arglist=<[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<owner>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<void> function_name=<owner> arglist=<[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<owner>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.println] value=< "owner set">
[cc.class.member.void.dummy_return] return_type=<ret(NT_string local type)>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<bank_i>
[cc.println] value=< "test">
[cc.main.end] mainclass=<bank_i>
[cc.class.end]
[cc.end]
