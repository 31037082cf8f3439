[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"calc_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<calc_iUtils>
[cc.clone.struct.begin] return_type=<M::Named> arg_type=<M::Named>
[cc.clone.struct.field] field_name=<id> return_type=<ret(long)>
[cc.clone.struct.field] field_name=<name> return_type=<ret(NT_string local type)>
[cc.clone.struct.end] return_type=<ret(NT_string local type)> arg_type=<M::Named>
[cc.clone.struct.pointer.begin] return_type=<M::Named> arg_type=<M::Named>
[cc.clone.struct.pointer.field] field_name=<id> return_type=<ret(long)>
[cc.clone.struct.pointer.field] field_name=<name> return_type=<ret(NT_string local type)>
[cc.clone.struct.pointer.end] return_type=<ret(NT_string local type)> arg_type=<M::Named>
[cc.make.struct.begin] make_type=<M_Named> return_type=<ret(NT_struct_fixed M::Named)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg2>
>
[cc.make.struct.field] field_name=<id> arg_name=<arg1>
[cc.make.struct.field] field_name=<name> arg_name=<arg2>
[cc.make.struct.end] make_type=<M_Named> return_type=<ret(NT_struct_fixed M::Named)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg2>
>
[cc.compare.struct.begin] return_type=<M::Named> arg_type=<M::Named>
[cc.compare.struct.field] field_name=<id> return_type=<ret(long)>
[cc.compare.struct.field] field_name=<name> return_type=<ret(NT_string local type)>
[cc.compare.struct.end] return_type=<ret(NT_string local type)> arg_type=<M::Named>
[cc.clone.interface] interface_name=<M::Calc> return_type=<ret(NT_interface M::Calc)> arg_type=<in(NT_interface M::Calc)>
[cc.compare.interface] interface_name=<M::Calc> return_type=<ret(NT_interface M::Calc)> arg_type=<in(NT_interface M::Calc)>
[cc.declare] interface_name=<M.Calc> server_identifier=<calc>
[cc.class.begin] class_name=<M_Calc_i>
[cc.class.members.begin] class_name=<M_Calc_i>
[cc.class.member.begin] return_type=<> function_name=<M_Calc_i> arglist=<> class_name=<M_Calc_i>
[cc.class.member.body.begin] return_type=<> function_name=<M_Calc_i> arglist=<> class_name=<M_Calc_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.qor.script.classvar] scriptcounter=<scriptcounter3> qor_function=<M::Calc::f> qor_file=<"calls.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<2> qor_position=<1>
>
[cc.class.member.begin] return_type=<ret(long)> function_name=<f> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(long)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(long)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Calc_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<f> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(long)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(long)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Calc_i>
[cc.class.member.begin.instance] server_identifier=<calc>
[cc.qor.script.begin] scriptcounter=<scriptcounter3>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<a> rightarg=<[cc.make.leafvalue] value=<1> return_type=<ret(long)>
> precision=<1e-5>
[cc.qor.check] leftarg=<c> rightarg=<[cc.make.leafvalue] value=<3> return_type=<ret(long)>
> precision=<1e-5>
[cc.out.parm.begin] leftarg=<b>
[cc.make.leafvalue] value=<20> return_type=<ret(long)>
[cc.out.parm.end] leftarg=<b>
[cc.out.parm.begin] leftarg=<c>
[cc.make.leafvalue] value=<30> return_type=<ret(long)>
[cc.out.parm.end] leftarg=<c>
[cc.out.return.begin]
[cc.make.leafvalue] value=<10> return_type=<ret(long)>
[cc.out.return.end]
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<calc>
[cc.qor.scripts.after]
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.qor.script.classvar] scriptcounter=<scriptcounter2> qor_function=<M::Calc::g> qor_file=<"calls.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<3> qor_position=<2>
>
[cc.class.member.begin] return_type=<void> function_name=<g> arglist=<[cchh.argument] arg_type=<out(NT_struct M.Named)> arg_name=<n>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Calc_i>
[cc.class.member.body.begin] return_type=<void> function_name=<g> arglist=<[cchh.argument] arg_type=<out(NT_struct M.Named)> arg_name=<n>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Calc_i>
[cc.class.member.begin.instance] server_identifier=<calc>
[cc.qor.script.begin] scriptcounter=<scriptcounter2>
[cc.case.call] value=<1>
[cc.out.parm.begin.pointer] leftarg=<n>
[cc.make.struct.funcall.begin] return_type=<M_Named>
[cc.make.leafvalue] value=<1> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<"p"> return_type=<ret(NT_string local type)>
[cc.make.struct.funcall.end] return_type=<ret(NT_string local type)>
[cc.out.parm.end] leftarg=<n>
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<calc>
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.qor.script.classvar] scriptcounter=<scriptcounter1> qor_function=<M::Calc::h> qor_file=<"calls.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<4> qor_position=<3>
>
[cc.class.member.begin] return_type=<ret(NT_struct M.Named)> function_name=<h> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Calc_i>
[cc.class.member.body.begin] return_type=<ret(NT_struct M.Named)> function_name=<h> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Calc_i>
[cc.class.member.begin.instance] server_identifier=<calc>
[cc.qor.script.begin] scriptcounter=<scriptcounter1>
[cc.case.call] value=<1>
[cc.out.return.begin.pointer]
[cc.make.struct.funcall.begin] return_type=<M_Named>
[cc.make.leafvalue] value=<2> return_type=<ret(long)>
[cchh.arglist.separator]
[cc.make.leafvalue] value=<"q"> return_type=<ret(NT_string local type)>
[cc.make.struct.funcall.end] return_type=<ret(NT_string local type)>
[cc.out.return.end]
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<calc>
[cc.qor.scripts.after]
[cc.class.member.other.dummy_return] return_type=<ret(NT_struct M.Named)>
[cc.class.member.end] return_type=<ret(NT_struct M.Named)>
[cc.qor.script.classvar] scriptcounter=<scriptcounter0> qor_function=<M::Calc::take> qor_file=<"calls.qor"> qor_use=<2> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<5> qor_position=<4>
>
[cc.class.member.begin] return_type=<void> function_name=<take> arglist=<[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_interface M.Calc)> arg_name=<other>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Calc_i>
[cc.class.member.body.begin] return_type=<void> function_name=<take> arglist=<[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_interface M.Calc)> arg_name=<other>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_Calc_i>
[cc.class.member.begin.instance] server_identifier=<calc>
[cc.qor.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<s> rightarg=<[cc.make.leafvalue] value=<"x"> return_type=<ret(NT_string local type)>
> precision=<1e-5>
[cc.qor.check] leftarg=<other> rightarg=<[cc.make.leafobject] class_name=<M_Calc_i> split_module=<M> split_class=<Calc> uspmodule=<M> javamodsep=<.> interface_name=<M.Calc> uinterface=<M_Calc>
> precision=<1e-5>
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<calc>
[cc.qor.scripts.after]
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<calc_i>
[cc.main.stubout] mainclass=<calc_i>
[cc.main.end] mainclass=<calc_i>
[cc.class.end]
[cc.end]
