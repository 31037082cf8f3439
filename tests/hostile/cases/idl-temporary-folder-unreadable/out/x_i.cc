[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"x_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<x_iUtils>
[cc.clone.interface] interface_name=<A> return_type=<ret(NT_interface A)> arg_type=<in(NT_interface A)>
[cc.compare.interface] interface_name=<A> return_type=<ret(NT_interface A)> arg_type=<in(NT_interface A)>
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
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<x_i>
[cc.main.end] mainclass=<x_i>
[cc.class.end]
[cc.end]
