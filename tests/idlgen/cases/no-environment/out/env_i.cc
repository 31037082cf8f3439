[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"env_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<env_iUtils>
[cc.clone.interface] interface_name=<Plain> return_type=<ret(NT_interface Plain)> arg_type=<in(NT_interface Plain)>
[cc.compare.interface] interface_name=<Plain> return_type=<ret(NT_interface Plain)> arg_type=<in(NT_interface Plain)>
[cc.class.begin] class_name=<Plain_i>
[cc.class.members.begin] class_name=<Plain_i>
[cc.class.member.begin] return_type=<> function_name=<Plain_i> arglist=<> class_name=<Plain_i>
[cc.class.member.body.begin] return_type=<> function_name=<Plain_i> arglist=<> class_name=<Plain_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<void> function_name=<none> arglist=<> class_name=<Plain_i>
[cc.class.member.body.begin] return_type=<void> function_name=<none> arglist=<> class_name=<Plain_i>
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.member.begin] return_type=<void> function_name=<one> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<a>
> class_name=<Plain_i>
[cc.class.member.body.begin] return_type=<void> function_name=<one> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<a>
> class_name=<Plain_i>
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.member.begin] return_type=<ret(long)> function_name=<value> arglist=<> class_name=<Plain_i>
[cc.class.member.body.begin] return_type=<ret(long)> function_name=<value> arglist=<> class_name=<Plain_i>
[cc.class.member.number.stubout] return_type=<ret(long)>
[cc.class.member.number.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<ret(long)>
[cc.class.member.begin] return_type=<void> function_name=<value> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<value>
> class_name=<Plain_i>
[cc.class.member.body.begin] return_type=<void> function_name=<value> arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<value>
> class_name=<Plain_i>
[cc.class.member.void.stubout] return_type=<ret(long)>
[cc.class.member.void.dummy_return] return_type=<ret(long)>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<env_i>
[cc.main.stubout] mainclass=<env_i>
[cc.main.end] mainclass=<env_i>
[cc.class.end]
[cc.end]
