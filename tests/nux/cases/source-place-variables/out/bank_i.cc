[cc.begin] at=<bank.idl:0>
[cc.clone.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.compare.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.declare] interface_name=<Bank.Account> server_identifier=<acct>
 int helper();
[cc.class.begin] class_name=<Bank_Account_i>
[cc.class.members.begin] class_name=<Bank_Account_i>
[cc.class.member.begin] return_type=<> function_name=<Bank_Account_i> arglist=<> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<> function_name=<Bank_Account_i> arglist=<> class_name=<Bank_Account_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.qor.script.classvar] scriptcounter=<scriptcounter1> qor_function=<Bank::Account::deposit> qor_file=<"calls.qor"> qor_use=<4> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<2> qor_position=<1>
[cc.qor.script.call] qor_line=<4> qor_position=<3>
>
[cc.class.member.begin] return_type=<void> function_name=<deposit> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<amount>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<void> function_name=<deposit> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<amount>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.begin.instance] server_identifier=<acct>
[cc.qor.script.begin] scriptcounter=<scriptcounter1>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<amount> rightarg=<[cc.make.leafvalue] value=<5> return_type=<ret(long)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.case.call] value=<2>
[cc.qor.check] leftarg=<amount> rightarg=<[cc.make.leafvalue] value=<7> return_type=<ret(long)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<acct>
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.qor.script.classvar] scriptcounter=<scriptcounter0> qor_function=<Bank::Account::balance> qor_file=<"calls.qor"> qor_use=<4> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<3> qor_position=<2>
>
[cc.class.member.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.begin.instance] server_identifier=<acct>
[cc.qor.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<acct>
[cc.qor.scripts.after]
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.end]
[cc.main.begin] mainclass=<bank_i>
[cc.create_anonymous] at=<bank.nux:6>
[cc.assert] condexp=<[cc.conditional.qorassert] precision=<0.0> leftarg=<[cc.assert.actual]> rightarg=<[cc.assert.expected]>
> assert_text=<"g_acct == g_acct"> assert_operator=<"=="> assert_actual=<g_acct> assert_expected=<g_acct>
  helper();
[cc.main.end] mainclass=<bank_i>
[cc.class.end]
[cc.end] at=<bank.nux:0>
