[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"bank_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<bank_iUtils>
[cc.clone.struct.begin] return_type=<Bank::Money> arg_type=<Bank::Money>
[cc.clone.struct.field] field_name=<units> return_type=<ret(long)>
[cc.clone.struct.field] field_name=<code> return_type=<ret(long)>
[cc.clone.struct.end] return_type=<ret(long)> arg_type=<Bank::Money>
[cc.clone.struct.pointer.begin] return_type=<Bank::Money> arg_type=<Bank::Money>
[cc.clone.struct.pointer.field] field_name=<units> return_type=<ret(long)>
[cc.clone.struct.pointer.field] field_name=<code> return_type=<ret(long)>
[cc.clone.struct.pointer.end] return_type=<ret(long)> arg_type=<Bank::Money>
[cc.make.struct.begin] make_type=<Bank_Money> return_type=<ret(NT_struct_fixed Bank::Money)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[cc.make.struct.field] field_name=<units> arg_name=<arg1>
[cc.make.struct.field] field_name=<code> arg_name=<arg2>
[cc.make.struct.end] make_type=<Bank_Money> return_type=<ret(NT_struct_fixed Bank::Money)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg2>
>
[cc.compare.struct.begin] return_type=<Bank::Money> arg_type=<Bank::Money>
[cc.compare.struct.field] field_name=<units> return_type=<ret(long)>
[cc.compare.struct.field] field_name=<code> return_type=<ret(long)>
[cc.compare.struct.end] return_type=<ret(long)> arg_type=<Bank::Money>
[cc.clone.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.compare.interface] interface_name=<Bank::Account> return_type=<ret(NT_interface Bank::Account)> arg_type=<in(NT_interface Bank::Account)>
[cc.declare] interface_name=<Bank.Account> server_identifier=<acct>
[cc.class.begin] class_name=<Bank_Account_i>
[cc.class.members.begin] class_name=<Bank_Account_i>
[cc.class.member.begin] return_type=<> function_name=<Bank_Account_i> arglist=<> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<> function_name=<Bank_Account_i> arglist=<> class_name=<Bank_Account_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.qor.script.classvar] scriptcounter=<scriptcounter0> qor_function=<Bank::Account::deposit> qor_file=<"hostile.qor"> qor_use=<3> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<1> qor_position=<1>
[cc.qor.script.call] qor_line=<2> qor_position=<2>
[cc.qor.script.call] qor_line=<3> qor_position=<3>
>
[cc.class.member.begin] return_type=<void> function_name=<deposit> arglist=<[cchh.argument] arg_type=<in(NT_struct_fixed Bank.Money)> arg_name=<amount>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<memo>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<void> function_name=<deposit> arglist=<[cchh.argument] arg_type=<in(NT_struct_fixed Bank.Money)> arg_name=<amount>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<memo>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.begin.instance] server_identifier=<acct>
[cc.qor.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<amount> rightarg=<[cc.make.struct.funcall.begin] return_type=<Bank_Money>
[cc.make.leafvalue] value=<1> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<0> return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<memo> rightarg=<[cc.make.leafvalue] value=<"LEFTARG"> return_type=<ret(NT_string local type)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.case.call] value=<2>
[cc.qor.check] leftarg=<amount> rightarg=<[cc.make.struct.funcall.begin] return_type=<Bank_Money>
[cc.make.leafvalue] value=<2> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<0> return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<memo> rightarg=<[cc.make.leafvalue] value=<"RIGHTARG and CLASS_NAME"> return_type=<ret(NT_string local type)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.case.call] value=<3>
[cc.qor.check] leftarg=<amount> rightarg=<[cc.make.struct.funcall.begin] return_type=<Bank_Money>
[cc.make.leafvalue] value=<3> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<0> return_type=<ret(long)>
[cc.make.struct.funcall.end] return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<memo> rightarg=<[cc.make.leafvalue] value=<"VALUE of QOR_FILE"> return_type=<ret(NT_string local type)>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<acct>
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.member.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<balance> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Bank_Account_i>
[cc.class.member.number.stubout] return_type=<ret(long)>
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.end]
[cc.main.begin] mainclass=<bank_i>
[cc.main.stubout] mainclass=<bank_i>
[cc.main.end] mainclass=<bank_i>
[cc.class.end]
[cc.end]
