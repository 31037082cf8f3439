[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"chain_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<chain_iUtils>
[cc.clone.interface] interface_name=<A> return_type=<ret(NT_interface A)> arg_type=<in(NT_interface A)>
[cc.compare.interface] interface_name=<A> return_type=<ret(NT_interface A)> arg_type=<in(NT_interface A)>
[cc.declare] interface_name=<A> server_identifier=<ab>
[cc.class.begin] class_name=<A_i>
[cc.class.members.begin] class_name=<A_i>
[cc.class.member.begin] return_type=<> function_name=<A_i> arglist=<> class_name=<A_i>
[cc.class.member.body.begin] return_type=<> function_name=<A_i> arglist=<> class_name=<A_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.script.classvar] scriptcounter=<scriptcounter0>
[cc.class.member.begin] return_type=<void> function_name=<f> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<x>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<A_i>
[cc.class.member.body.begin] return_type=<void> function_name=<f> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<x>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<A_i>
[cc.class.member.begin.instance] server_identifier=<ab>
[cc.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.clearcounter]
[cc.println] value=<"Checking QOR assertions on call to A::f">
[cc.println] value=<"Testing assertion x == 5 (+- 1e-5, if applicable)">
[cc.print] value=<"Actual value is ">
[cc.println] value=<x>
[cc.if] condexp=<[cc.conditional.qorassert] precision=<1e-5> leftarg=<x> rightarg=<[cc.make.leafvalue] value=<5> return_type=<ret(long)>
>
>
[cc.println] value=<"Test assertion satisfied.">
[cc.else]
[cc.println] value=<"**** TEST ASSERTION VIOLATED ****">
[cc.fail]
[cc.end.if]
[cc.end.scriptcall]
[cc.script.end]
[cc.class.member.end.instance] server_identifier=<ab>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<chain_i>
[cc.main.stubout] mainclass=<chain_i>
[cc.main.end] mainclass=<chain_i>
[cc.class.end]
[cc.end]
