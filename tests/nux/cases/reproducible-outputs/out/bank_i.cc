[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"bank_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<bank_iUtils>
[cc.clone.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.compare.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.declare] interface_name=<Bank.Account> server_identifier=<acct>
[cc.class.begin] class_name=<Bank_Account_i>
[cc.class.members.begin] class_name=<Bank_Account_i>
[cc.class.member.begin] return_type=<> function_name=<Bank_Account_i> arglist=<> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<> function_name=<Bank_Account_i> arglist=<> class_name=<Bank_Account_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.script.classvar] scriptcounter=<scriptcounter1>
[cc.class.member.begin] return_type=<void> function_name=<deposit> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<amount>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<void> function_name=<deposit> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<amount>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.begin.instance] server_identifier=<acct>
[cc.script.begin] scriptcounter=<scriptcounter1>
[cc.case.call] value=<1>
[cc.println] value=<"Checking QOR assertions on call to Bank::Account::deposit">
[cc.println] value=<"Testing assertion amount == 5 (+- 1e-5, if applicable)">
[cc.print] value=<"Actual value is ">
[cc.println] value=<amount>
[cc.if] condexp=<[cc.conditional.qorassert] precision=<1e-5> leftarg=<amount> rightarg=<[cc.make.leafvalue] value=<5> return_type=<ret(long)>
>
>
[cc.println] value=<"Test assertion satisfied.">
[cc.else]
[cc.println] value=<"**** TEST ASSERTION VIOLATED ****">
[cc.fail]
[cc.end.if]
[cc.end.scriptcall]
[cc.case.call] value=<2>
[cc.clearcounter]
[cc.println] value=<"Checking QOR assertions on call to Bank::Account::deposit">
[cc.println] value=<"Testing assertion amount == 7 (+- 1e-5, if applicable)">
[cc.print] value=<"Actual value is ">
[cc.println] value=<amount>
[cc.if] condexp=<[cc.conditional.qorassert] precision=<1e-5> leftarg=<amount> rightarg=<[cc.make.leafvalue] value=<7> return_type=<ret(long)>
>
>
[cc.println] value=<"Test assertion satisfied.">
[cc.else]
[cc.println] value=<"**** TEST ASSERTION VIOLATED ****">
[cc.fail]
[cc.end.if]
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<acct>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.script.classvar] scriptcounter=<scriptcounter0>
[cc.class.member.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.begin.instance] server_identifier=<acct>
[cc.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.clearcounter]
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<acct>
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.end]
[cc.main.begin] mainclass=<bank_i>
[cc.main.stubout] mainclass=<bank_i>
[cc.main.end] mainclass=<bank_i>
[cc.class.end]
[cc.end]
