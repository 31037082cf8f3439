[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"bank_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<bank_iUtils>
[cc.clone.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.compare.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
#line 2 "bank.nux"
[cc.declare] interface_name=<Bank.Account> server_identifier=<acct>
#line 3 "bank.nux"
 int helper();
#line 9 "bank_i.cc"
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
#line 2 "calls.qor"
[cc.class.member.begin.instance] server_identifier=<acct>
#line 2 "calls.qor"
[cc.qor.script.begin] scriptcounter=<scriptcounter1>
#line 2 "calls.qor"
[cc.case.call] value=<1>
#line 2 "calls.qor"
[cc.qor.check] leftarg=<amount> rightarg=<[cc.make.leafvalue] value=<5> return_type=<ret(long)>
> precision=<1e-5>
#line 2 "calls.qor"
[cc.end.scriptcall]
#line 4 "calls.qor"
[cc.case.call] value=<2>
#line 4 "calls.qor"
[cc.qor.check] leftarg=<amount> rightarg=<[cc.make.leafvalue] value=<7> return_type=<ret(long)>
> precision=<1e-5>
#line 4 "calls.qor"
[cc.end.scriptcall]
#line 4 "calls.qor"
[cc.script.end]
#line 4 "calls.qor"
[cc.class.member.end.instance] server_identifier=<acct>
#line 49 "bank_i.cc"
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.qor.script.classvar] scriptcounter=<scriptcounter0> qor_function=<Bank::Account::balance> qor_file=<"calls.qor"> qor_use=<4> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<3> qor_position=<2>
>
[cc.class.member.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
#line 3 "calls.qor"
[cc.class.member.begin.instance] server_identifier=<acct>
#line 3 "calls.qor"
[cc.qor.script.begin] scriptcounter=<scriptcounter0>
#line 3 "calls.qor"
[cc.case.call] value=<1>
#line 3 "calls.qor"
[cc.end.scriptcall]
#line 3 "calls.qor"
[cc.script.end]
#line 3 "calls.qor"
[cc.class.member.end.instance] server_identifier=<acct>
#line 71 "bank_i.cc"
[cc.qor.scripts.after]
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.end]
[cc.main.begin] mainclass=<bank_i>
#line 6 "bank.nux"
[cc.create_anonymous] split_module=<Bank> split_class=<Account> uspmodule=<Bank> javamodsep=<.> interface_name=<Bank.Account> uinterface=<Bank_Account> server_identifier=<acct> leftarg=<g_acct> class_name=<Bank_Account_i>
#line 7 "bank.nux"
[cc.assert] condexp=<[cc.conditional.qorassert] precision=<0.0> leftarg=<[cc.assert.actual]> rightarg=<[cc.assert.expected]>
> assert_text=<"g_acct == g_acct"> assert_operator=<"=="> assert_actual=<g_acct> assert_expected=<g_acct>
#line 9 "bank.nux"
  helper();
#line 84 "bank_i.cc"
[cc.main.end] mainclass=<bank_i>
[cc.class.end]
[cc.end]
