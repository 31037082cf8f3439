[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"x_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<x_iUtils>
[cc.clone.interface] interface_name=<A> return_type=<ret(NT_interface A)> arg_type=<in(NT_interface A)>
[cc.compare.interface] interface_name=<A> return_type=<ret(NT_interface A)> arg_type=<in(NT_interface A)>
[cc.declare] interface_name=<A> server_identifier=<a>
[cc.declare] interface_name=<A> server_identifier=<b>
[cc.class.begin] class_name=<A_i>
[cc.class.members.begin] class_name=<A_i>
[cc.class.member.begin] return_type=<> function_name=<A_i> arglist=<> class_name=<A_i>
[cc.class.member.body.begin] return_type=<> function_name=<A_i> arglist=<> class_name=<A_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<void> function_name=<f> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<A_i>
[cc.class.member.body.begin] return_type=<void> function_name=<f> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<A_i>
[cc.class.member.begin.instance] server_identifier=<a>
[cc.print] value=< "f called">
[cc.class.member.end.instance] server_identifier=<a>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.qor.script.classvar] scriptcounter=<scriptcounter0> qor_function=<A::g> qor_file=<"calls.qor"> qor_use=<6> qor_in_order=<0> qor_calls=<[cc.qor.script.call] qor_line=<1> qor_position=<1>
>
[cc.class.member.begin] return_type=<ret(long)> function_name=<g> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<n>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<A_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<g> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<n>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<A_i>
[cc.class.member.begin.instance] server_identifier=<b>
[cc.qor.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.qor.check] leftarg=<n> rightarg=<[cc.make.leafvalue] value=<5> return_type=<ret(long)>
> precision=<1e-5>
[cc.out.return.begin]
[cc.make.leafvalue] value=<6> return_type=<ret(long)>
[cc.out.return.end]
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<b>
[cc.qor.scripts.after]
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.end]
[cc.main.begin] mainclass=<x_i>
[cc.main.stubout] mainclass=<x_i>
[cc.main.end] mainclass=<x_i>
[cc.class.end]
[cc.end]
