[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"s_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<sub/s_iUtils>
[cc.clone.interface] interface_name=<Genuine> return_type=<ret(NT_interface Genuine)> arg_type=<in(NT_interface Genuine)>
[cc.compare.interface] interface_name=<Genuine> return_type=<ret(NT_interface Genuine)> arg_type=<in(NT_interface Genuine)>
[cc.class.begin] class_name=<Genuine_i>
[cc.class.members.begin] class_name=<Genuine_i>
[cc.class.member.begin] return_type=<> function_name=<Genuine_i> arglist=<> class_name=<Genuine_i>
[cc.class.member.body.begin] return_type=<> function_name=<Genuine_i> arglist=<> class_name=<Genuine_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<void> function_name=<f> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Genuine_i>
[cc.class.member.body.begin] return_type=<void> function_name=<f> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Genuine_i>
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<sub/s_i>
[cc.main.end] mainclass=<sub/s_i>
[cc.class.end]
[cc.end]
